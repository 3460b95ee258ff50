#!/bin/sh
# The file edges a user without root's overrides meets: run as root, the commands go through
# `runuser -u nobody`. An OUT the user may not write (mode 0444) and a new OUT in a read-only
# folder are refused with "Permission denied", status 1, the file and folder as they were;
# an IN the user may not read likewise. Exit 77 (skipped) when not run as root.
set -u
cli=$1 hex=$2
if [ "$(id -u)" -ne 0 ]; then echo "not root: skipped"; exit 77; fi
command -v runuser > /dev/null || { echo "no runuser: skipped"; exit 77; }
work=$(mktemp -d /tmp/quorkit-cli-nobody.XXXXXX) || exit 1
trap 'rm -rf "$work"' EXIT
chmod 0755 "$work"
cd "$work" || exit 1
cp "$hex/simple.hex" in.hex && chmod 0644 in.hex
fail=0
as_nobody() { runuser -u nobody -- "$cli" "$@" > out.txt 2> err.txt; }
# expect STATUS MESSAGE: the run's status, nothing on standard output, exactly MESSAGE.
expect() {
  if [ $status -ne "$1" ] || [ -s out.txt ] || [ "$(cat err.txt)" != "$2" ]; then
    echo "wanted $1 '$2', got $status '$(cat err.txt)' / '$(cat out.txt)'"; fail=1
  fi
}

# OUT 0444 in a folder nobody may write to.
mkdir open && chmod 0777 open
printf 'keep\n' > open/locked.bin && chmod 0444 open/locked.bin
for command in "hex2bin $work/in.hex" "fontlib ascii8x8-text" "fontlib ascii-bin"; do
  set -f
  # shellcheck disable=SC2086
  as_nobody $command open/locked.bin
  status=$?
  set +f
  expect 1 "quorkit-cli: ${command%% *}: OUT open/locked.bin: Permission denied"
  [ "$(cat open/locked.bin)" = keep ] || { echo "$command: locked.bin changed"; fail=1; }
  [ "$(stat -c %a open/locked.bin)" = 444 ] || { echo "$command: mode changed"; fail=1; }
  [ "$(ls -A open)" = locked.bin ] || { echo "$command: left $(ls -A open)"; fail=1; }
done

# A new OUT, and an existing writable one, in a read-only folder.
mkdir shut && printf 'keep\n' > shut/old.bin && chmod 0666 shut/old.bin && chmod 0555 shut
for out in shut/new.bin shut/old.bin; do
  as_nobody hex2bin "$work/in.hex" "$out"
  status=$?
  expect 1 "quorkit-cli: hex2bin: OUT $out: Permission denied"
  as_nobody fontlib ascii8x8-text "$out"
  status=$?
  expect 1 "quorkit-cli: fontlib: OUT $out: Permission denied"
done
[ "$(ls -A shut)" = old.bin ] && [ "$(cat shut/old.bin)" = keep ] ||
  { echo "shut: $(ls -A shut)"; fail=1; }

# An IN nobody may read.
cp in.hex secret.hex && chmod 0600 secret.hex
as_nobody hex2bin secret.hex open/x.bin
status=$?
expect 1 "quorkit-cli: hex2bin: IN secret.hex: Permission denied"
as_nobody checksum crc-32 --file secret.hex
status=$?
expect 1 "quorkit-cli: checksum: --file secret.hex: Permission denied"
[ ! -e open/x.bin ] || { echo "open/x.bin written"; fail=1; }

# And what nobody may write comes out right.
as_nobody hex2bin "$work/in.hex" open/ok.bin
status=$?
objcopy -I ihex -O binary --gap-fill 0xFF in.hex peer.bin
[ $status -eq 0 ] && cmp -s peer.bin open/ok.bin || { echo "nobody's image: $status"; fail=1; }
exit $fail
