#!/bin/bash
# Completes a few command lines with the installed completion function (without the
# bash-completion package) and checks the candidates offered.
source "$1" || exit 1
status=0
# check_words WANT WORD...: completes the last word as typed (quotes and backslashes kept).
check_words() {
  local want=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _quorkit_cli quorkit-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got=""
  ((${#COMPREPLY[@]})) && got=$(printf '[%s]' "${COMPREPLY[@]}")
  if [[ $got != "$want" ]]; then
    echo "'$COMP_LINE': got '$got', wanted '$want'"
    status=1
  fi
}
# check LINE WANT: LINE split at blanks, WANT the candidates joined by blanks.
check() {
  local line=$1 want=$2 words
  read -ra words <<< "$line"
  [[ $line == *" " ]] && words+=("")
  local joined=""
  [[ -n $want ]] && joined="[${want// /][}]"
  check_words "$joined" "${words[@]}"
}
check "quorkit-cli ch" "checksum"
check "quorkit-cli checksum crc16" "crc16-modbus crc16-mcrf4xx crc16-xmodem"
check "quorkit-cli checksum CRC-32/I" "CRC-32/ISCSI CRC-32/INTERLAKEN CRC-32/ISO-HDLC"
check "quorkit-cli checksum X-" "X-CRC-12 X-CRC-16 X-25"
check "quorkit-cli --lang " "zh en"
check "quorkit-cli fontlib gb" "gb2312-bin"
check "quorkit-cli glyph A --rev" "--reverse"
check "quorkit-cli ntc adc --l" "--lower"
check "quorkit-cli ntc resistance --l" ""
check "quorkit-cli timer --bits " "8 16"
check "quorkit-cli ntc adc --bits " "10 12"
check "quorkit-cli timer --unit " "ms us s Hz"
check "quorkit-cli storage to-code d" "double"
# Font faces hold blanks: each candidate is one shell word (fonts-arphic-uming's four faces).
check_words "['AR PL UMing CN']['AR PL UMing HK']['AR PL UMing TW']['AR PL UMing TW MBE']" \
  quorkit-cli glyph A --font AR
check_words "['AR PL UMing CN']" quorkit-cli fontlib gb2312-bin x.bin --font 'AR\ PL\ UMing\ C'
check_words "[AR PL UMing CN']" quorkit-cli glyph A --font "'AR PL UMing C"
check_words "[AR PL UMing CN\"]" quorkit-cli glyph A --font '"AR PL UMing C'
check_words "[Unifont-JP]" quorkit-cli glyph A --font Unifont-
check_words "" quorkit-cli glyph A --font 'No such face'
exit $status
