# bash completion for quorkit-cli

# Files, through bash-completion where it is loaded.
_quorkit_cli_files() {
  if declare -F _filedir >/dev/null; then
    _filedir "$@"
  else
    local IFS=$'\n'
    COMPREPLY=($(compgen -f -- "$cur"))
  fi
}

# Font faces (each face's first family name), each completed as one shell word: most names
# hold blanks, so a name is put in single quotes. After an opening quote the rest of the name
# and the closing quote are completed (readline keeps the quote typed).
_quorkit_cli_faces() {
  local quote="" typed=$cur face
  case $typed in
    \'* | \"*) quote=${typed:0:1}; typed=${typed:1} ;;
    *) typed=${typed//\\/} ;;
  esac
  COMPREPLY=()
  while IFS= read -r face; do
    [[ -n $face && $face == "$typed"* ]] || continue
    if [[ -n $quote ]]; then
      COMPREPLY+=("$face$quote")
    elif [[ $face == *[^A-Za-z0-9._+-]* ]]; then
      COMPREPLY+=("'${face//\'/\'\\\'\'}'")
    else
      COMPREPLY+=("$face")
    fi
  done < <(fc-list --format '%{family[0]}\n' 2>/dev/null | LC_ALL=C sort -u)
}

_quorkit_cli() {
  local cur prev words cword
  if declare -F _init_completion >/dev/null; then
    _init_completion || return
  else
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
  fi

  local glyph_opts="--font --pixels --width --height --left --top --threshold"
  if [[ $cword -eq 1 ]]; then
    COMPREPLY=($(compgen -W "hex2bin checksum modbus fontlib glyph ntc eseries storage dechex timer --lang --help --version" -- "$cur"))
    return
  fi

  case $prev in
    --font) _quorkit_cli_faces; return ;;
    --lang) COMPREPLY=($(compgen -W "zh en" -- "$cur")); return ;;
    --height) COMPREPLY=($(compgen -W "8 16 24 32 48 64 128" -- "$cur")); return ;;
    --width) COMPREPLY=($(compgen -W "8 12 16 24 32 48 64 128" -- "$cur")); return ;;
    --bits)
      if [[ ${words[1]} == timer ]]; then
        COMPREPLY=($(compgen -W "8 16" -- "$cur"))
      else
        COMPREPLY=($(compgen -W "10 12" -- "$cur"))
      fi
      return ;;
    --prescaler) COMPREPLY=($(compgen -W "1 2 4 8 16 32 64 128 256 512 1024" -- "$cur")); return ;;
    --unit) COMPREPLY=($(compgen -W "ms us s Hz" -- "$cur")); return ;;
    --series) COMPREPLY=($(compgen -W "e12 e24 e96" -- "$cur")); return ;;
    --pixels|--left|--top|--threshold|--r25|--beta|--rd|--clock|--overflow|--time|--fill|--start|--end) return ;;
    --file) _quorkit_cli_files; return ;;
  esac

  local command=${words[1]} opts=""
  case $command in
    hex2bin)
      [[ $cur == -?* ]] && { COMPREPLY=($(compgen -W "--fill --start --end --json --help" -- "$cur")); return; }
      if [[ $cword -eq 2 ]]; then _quorkit_cli_files hex; else _quorkit_cli_files; fi
      return ;;
    checksum)
      [[ $cur == -?* ]] && { COMPREPLY=($(compgen -W "--file --list --json --help" -- "$cur")); return; }
      # The kinds and every CRC model with its aliases, as the program lists them.
      [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "$("${words[0]}" checksum --list 2>/dev/null)" -- "$cur"))
      return ;;
    modbus)
      [[ $cword -eq 2 ]] && COMPREPLY=($(compgen -W "read write" -- "$cur"))
      return ;;
    fontlib)
      if [[ $cword -eq 2 ]]; then
        COMPREPLY=($(compgen -W "ascii-text ascii8x8-text ascii-bin gb2312-bin" -- "$cur"))
        return
      elif [[ $cword -eq 3 ]]; then
        _quorkit_cli_files
        return
      fi
      opts=$glyph_opts ;;
    glyph) opts="$glyph_opts --reverse" ;;
    ntc)
      [[ $cword -eq 2 ]] && { COMPREPLY=($(compgen -W "resistance adc" -- "$cur")); return; }
      opts="--r25 --beta --hex --tenfold --integer"
      [[ ${words[2]} == adc ]] && opts="$opts --rd --bits --lower" ;;
    eseries)
      [[ $cword -eq 2 ]] && { COMPREPLY=($(compgen -W "ratio divider series parallel" -- "$cur")); return; }
      opts="--series" ;;
    storage)
      [[ $cword -eq 2 ]] && { COMPREPLY=($(compgen -W "to-code to-value" -- "$cur")); return; }
      [[ $cword -eq 3 ]] && { COMPREPLY=($(compgen -W "uchar short ushort int uint float double ascii" -- "$cur")); return; }
      opts="--reverse" ;;
    dechex)
      [[ $cword -eq 2 ]] && { COMPREPLY=($(compgen -W "to-hex to-dec" -- "$cur")); return; }
      opts="--commas"
      [[ ${words[2]} == to-hex ]] && opts="$opts --prefix" ;;
    timer) opts="--clock --bits --prescaler --overflow --time --unit" ;;
  esac
  [[ $cur == -* ]] && COMPREPLY=($(compgen -W "$opts --json --help" -- "$cur"))
}
complete -F _quorkit_cli quorkit-cli
