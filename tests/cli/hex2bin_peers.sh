#!/bin/sh
# hex2bin's --fill, --start and --end against srec_cat's -fill and -crop, standard input and
# output, and OUT as a link, a folder and a missing folder.
set -u
cli=$1 hex=$2 work=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
fail=0
check() { if ! cmp -s "$1" "$2"; then echo "differs: $3"; fail=1; fi; }
# Ranges relative to each image's start: as it is, cropped, extended before and after.
for f in simple offset multiseg lower; do
  base=$("$cli" hex2bin "$hex/$f.hex" plain.bin | sed 's/ .*//')
  for range in ":" "16:64" ":32" "-8:" "-16:512"; do
    start=${range%%:*} end=${range#*:}
    [ -n "$start" ] && [ $((base + start)) -lt 0 ] && continue
    set -- hex2bin "$hex/$f.hex" ours.bin --fill 5A
    [ -n "$start" ] && set -- "$@" --start $((base + start))
    [ -n "$end" ] && set -- "$@" --end $((base + end))
    "$cli" "$@" > printed || { echo "refused: $*"; fail=1; continue; }
    lo=$(sed 's/ .*//' printed)
    hi=$((lo + $(sed 's/.* //' printed)))
    srec_cat "$hex/$f.hex" -intel -fill 0x5A $((lo)) $hi -crop $((lo)) $hi -offset $((-lo)) \
      -o peer.bin -binary || { echo "srec_cat failed on $f"; fail=1; continue; }
    check ours.bin peer.bin "$f $range"
  done
done
# Standard input in, standard output out, the same image as from files.
"$cli" hex2bin "$hex/multiseg.hex" file.bin > /dev/null
"$cli" hex2bin - - < "$hex/multiseg.hex" > piped.bin
check file.bin piped.bin "stdin to stdout"
objcopy -I ihex -O binary --gap-fill 0xFF "$hex/multiseg.hex" objcopy.bin
check objcopy.bin piped.bin "objcopy"
# A pipe and a FIFO with --fill, --start and --end: the same image and line as from the
# file, and srec_cat's image.
"$cli" hex2bin "$hex/offset.hex" file-fill.bin --fill 00 --start 0x10000 --end 0x10200 > file-fill.txt
cat "$hex/offset.hex" | "$cli" hex2bin - pipe-fill.bin --fill 00 --start 0x10000 --end 0x10200 > pipe-fill.txt
check file-fill.bin pipe-fill.bin "pipe with fill"
check file-fill.txt pipe-fill.txt "pipe with fill: printed start and size"
[ "$(cat pipe-fill.txt)" = "0x00010000 512" ] || { echo "pipe with fill: $(cat pipe-fill.txt)"; fail=1; }
srec_cat "$hex/offset.hex" -intel -fill 0x00 0x10000 0x10200 -crop 0x10000 0x10200 \
  -offset -0x10000 -o peer-fill.bin -binary
check peer-fill.bin pipe-fill.bin "pipe with fill: srec_cat"
mkfifo fifo.hex
cat "$hex/multiseg.hex" > fifo.hex &
writer=$!
"$cli" hex2bin fifo.hex fifo-fill.bin --fill 5A > /dev/null
# A run that never opened the FIFO must not leave the writer waiting for ever.
kill $writer 2>/dev/null
wait $writer
srec_cat "$hex/multiseg.hex" -intel -fill 0x5A 0x08000000 0x08010004 -offset -0x08000000 \
  -o peer-fifo.bin -binary
check peer-fifo.bin fifo-fill.bin "FIFO with fill: srec_cat"
"$cli" hex2bin - - --fill 5A < "$hex/multiseg.hex" > stdin-fill.bin
check peer-fifo.bin stdin-fill.bin "standard input with fill"
# OUT a symbolic link: the link stays, its target gets the image.
: > target.bin && ln -s target.bin link.bin
"$cli" hex2bin "$hex/simple.hex" link.bin > /dev/null
[ -L link.bin ] || { echo "link replaced"; fail=1; }
objcopy -I ihex -O binary --gap-fill 0xFF "$hex/simple.hex" simple.bin
check simple.bin target.bin "link target"
# OUT a folder or in a missing folder: one line naming OUT and the reason, status 1.
mkdir folder
for out in folder missing/x.bin; do
  "$cli" hex2bin "$hex/simple.hex" "$out" > out.txt 2> err.txt
  status=$?
  case $out in folder) reason="Is a directory" ;; *) reason="No such file or directory" ;; esac
  if [ $status -ne 1 ] || [ -s out.txt ] ||
     [ "$(cat err.txt)" != "quorkit-cli: hex2bin: OUT $out: $reason" ]; then
    echo "OUT $out: status $status: $(cat err.txt)"; fail=1
  fi
done
exit $fail
