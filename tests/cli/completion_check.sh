#!/bin/bash
# Completes a few command lines with the installed completion function (without the
# bash-completion package) and checks the candidates offered.
source "$1" || exit 1
status=0
check() {
  local line=$1 want=$2
  read -ra COMP_WORDS <<< "$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
  COMPREPLY=()
  _quorkit_cli quorkit-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  if [[ "${COMPREPLY[*]}" != "$want" ]]; then
    echo "'$line': got '${COMPREPLY[*]}', wanted '$want'"
    status=1
  fi
}
check "quorkit-cli ch" "checksum"
check "quorkit-cli checksum crc16" "crc16-modbus crc16-mcrf4xx crc16-xmodem"
check "quorkit-cli fontlib gb" "gb2312-bin"
check "quorkit-cli glyph A --rev" "--reverse"
check "quorkit-cli ntc adc --l" "--lower"
check "quorkit-cli ntc resistance --l" ""
check "quorkit-cli timer --bits " "8 16"
check "quorkit-cli ntc adc --bits " "10 12"
check "quorkit-cli timer --unit " "ms us s Hz"
check "quorkit-cli storage to-code d" "double"
exit $status
