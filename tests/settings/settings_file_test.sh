#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# settings_file_test.sh RUNNER CASE: the real settings file in a temporary
# XDG_CONFIG_HOME, read and written by fresh vorlix-script processes.
# settings_file_test.sh --list: the cases, as the labels of the case below.
set -euo pipefail
if [ "${1:-}" = --list ]; then
  sed -n '/^case /,/^esac/ s/^  \([a-z0-9_ |]*\)).*/\1/p' "$0" | tr -d ' ' | tr '|' '\n'
  exit
fi
runner="$1"
case_name="$2"

work="$(mktemp -d)"
chmod 755 "$work"
cleanup() {
  umount "$work/small" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen
# The messages compared are the English ones, whatever the caller's language.
export LC_ALL=C.UTF-8 LANGUAGE=''
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
conf="$XDG_CONFIG_HOME/Vorlix/Vorlix.conf"

fail() {
  echo "FAIL ($case_name): $*" >&2
  exit 1
}

# vorlix SCRIPT-LINES...: one fresh process running the lines.
vorlix() {
  printf '%s\n' "$@" | "${as_user[@]}" env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" \
    XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" QT_QPA_PLATFORM=offscreen "$runner"
}
as_user=()

# as_bound_by_permissions: the next runs meet file permissions as a user
# does. Root ignores them, so as root they run as the user nobody, from a
# copy of the runner in this case's own folder: nobody may not reach the
# build (a checkout under a home folder of mode 0700). An ordinary user is
# bound by permissions already and runs the runner as it is.
as_bound_by_permissions() {
  [ "$(id -u)" -eq 0 ] || return 0
  mkdir -p "$work/bin"
  cp "$runner" "$work/bin/"
  runner="$work/bin/$(basename "$runner")"
  chown -R nobody "$work"
  as_user=(runuser -u nobody --)
  runuser -u nobody -- test -x "$runner" ||
    fail "the user nobody cannot reach $work; give it a temporary folder it can enter (TMPDIR)"
}

# traced STRACE-ARGS...: a close under strace, which kills or stalls it at a
# system call (LeakSanitizer cannot work traced).
traced() {
  local as_user=(env ASAN_OPTIONS=detect_leaks=0 strace -f -o /dev/null "$@")
  vorlix 'rclick Label1' 'close' >/dev/null 2>&1
}
needs_strace() {
  strace -o /dev/null true || { echo "$case_name: skipped: strace cannot trace here"; exit 77; }
}

expect_output() {
  local expected="$1" actual="$2"
  [ "$actual" = "$expected" ] || fail "$(printf 'expected:\n%s\ngot:\n%s' "$expected" "$actual")"
}

store() {  # store LINES...: the settings file holds exactly these lines
  mkdir -p "$(dirname "$conf")"
  printf '%s\n' "$@" >"$conf"
}

expect_sixteen_keys() {
  local keys
  keys="$(sed -n '/^\[StartUp\]/,/^\[/p' "$conf" |
    grep -c -E '^(form|Text1%28[0-3]%29|Text2%28[0-2]%29|label[12]|cmdop%28[0-3]%29|command1%28[01]%29)=')"
  [ "$keys" -eq 16 ] || fail "the file holds $keys of the sixteen keys after closing"
}

# After a close the file holds the sixteen keys and parses: a fresh start
# restores the colour given just before that close.
expect_clean_rewrite() {
  expect_sixteen_keys
  expect_output "color Label1 65535" "$(vorlix 'color Label1')"
}

# restore EXPECTED-FORM EXPECTED-LABEL2: what the next start shows, then a
# right-click on Label1 and a close that must rewrite the file cleanly.
restore() {
  expect_output "$(printf 'color Form1 %s\ncolor Label2 %s' "$1" "$2")" \
    "$(vorlix 'color Form1' 'color Label2' 'rclick Label1' 'close')"
  expect_clean_rewrite
}

valid_form="form=65280"
case "$case_name" in
  # What each stored content gives at the next start.
  missing_file) restore 255 255 ;;
  missing_folder) export XDG_CONFIG_HOME="$work/not/yet"; conf="$XDG_CONFIG_HOME/Vorlix/Vorlix.conf"
    restore 255 255 ;;
  empty_value) store "[StartUp]" "$valid_form" "label2=" && restore 65280 255 ;;
  letters) store "[StartUp]" "$valid_form" "label2=blue" && restore 65280 255 ;;
  trailing_letters) store "[StartUp]" "$valid_form" "label2=12abc" && restore 65280 255 ;;
  plus_sign) store "[StartUp]" "$valid_form" "label2=+255" && restore 65280 255 ;;
  leading_space) store "[StartUp]" "$valid_form" 'label2=" 65535"' && restore 65280 255 ;;
  too_big) store "[StartUp]" "$valid_form" "label2=99999999999" && restore 65280 255 ;;
  list_value) store "[StartUp]" "$valid_form" "label2=65535, 255" && restore 65280 255 ;;
  button_face) store "[StartUp]" "$valid_form" "label2=-2147483633" && restore 65280 -2147483633 ;;
  negative_refused) store "[StartUp]" "$valid_form" "label2=-5" && restore 65280 255 ;;
  top_byte_refused) store "[StartUp]" "$valid_form" "label2=16777216" && restore 65280 255 ;;
  wrong_case_key) store "[StartUp]" "$valid_form" "Label2=65535" && restore 65280 255 ;;
  binary_garbage)
    # Lines that cannot be read are passed over, and kept, not the file.
    mkdir -p "$(dirname "$conf")"
    head -c 4096 /dev/urandom | tr -d '[]=\n\r' >"$work/garbage"
    cp "$work/garbage" "$conf"
    printf '\n[StartUp]\nform=65280\n' >>"$conf"
    restore 65280 255
    [ ! -e "$conf.unreadable" ] || fail "a readable file was kept aside"
    cmp -s <(head -c "$(stat -c %s "$work/garbage")" "$conf") "$work/garbage" ||
      fail "the garbage lines were not kept"
    ;;
  no_section_of_ours)
    # Nothing of ours in it: kept aside for the user, never edited.
    store "[Other]" "key=1" "garbage"
    cp "$conf" "$work/theirs"
    restore 255 255
    cmp -s "$conf.unreadable" "$work/theirs" || fail "the file was not kept aside"
    ;;
  megabyte_file)
    mkdir -p "$(dirname "$conf")"
    { printf '[StartUp]\nform=65280\nlabel2=65535\n[Junk]\n'
      for i in $(seq 40000); do printf 'key%06d=%020d\n' "$i" "$i"; done; } >"$conf"
    [ "$(stat -c %s "$conf")" -gt 1000000 ] || fail "the file is under 1 MB"
    restore 65280 65535
    ;;
  folder_instead_of_file)
    mkdir -p "$conf"
    expect_output "$(printf 'color Form1 255\nmessage "The colours could not be saved: %s is a folder, not a file."' "$conf")" \
      "$(vorlix 'color Form1' 'close')"
    [ -d "$conf" ] || fail "the folder was replaced"
    ;;

  # What the user is told when saving fails, and what is left on disk.
  config_home_is_a_file)
    mkdir -p "$work/config-file-parent" && touch "$work/config-file-parent/x"
    export XDG_CONFIG_HOME="$work/config-file-parent/x"
    expect_output "message \"The colours could not be saved: $XDG_CONFIG_HOME is a file, not a folder.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    ;;
  vorlix_folder_is_a_file)
    mkdir -p "$XDG_CONFIG_HOME" && echo keep >"$XDG_CONFIG_HOME/Vorlix"
    expect_output "message \"The colours could not be saved: $XDG_CONFIG_HOME/Vorlix is a file, not a folder.\"" \
      "$(vorlix 'close')"
    [ "$(cat "$XDG_CONFIG_HOME/Vorlix")" = keep ] || fail "the file in the folder's place changed"
    ;;
  read_only_file)
    store "[StartUp]" "form=65280"
    as_bound_by_permissions
    chmod 444 "$conf"
    expect_output "message \"The colours could not be saved: $conf is read-only.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the read-only file changed"
    ;;
  read_only_folder)
    store "[StartUp]" "form=65280"
    as_bound_by_permissions
    chmod 555 "$(dirname "$conf")"
    expect_output "message \"The colours could not be saved: the folder $(dirname "$conf") is read-only.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the file changed"
    ;;
  full_disk)
    if [ "$(id -u)" -ne 0 ]; then
      echo "full_disk: skipped: filling a disk needs a small file system mounted, and only root mounts"
      exit 77
    fi
    mkdir -p "$work/small"
    if ! mount -t tmpfs -o size=16k tmpfs "$work/small" 2>/dev/null; then
      echo "full_disk: skipped: root cannot mount a small file system here"
      exit 77
    fi
    export XDG_CONFIG_HOME="$work/small"; conf="$XDG_CONFIG_HOME/Vorlix/Vorlix.conf"
    store "[StartUp]" "form=65280"
    head -c 100000 /dev/zero >"$work/small/filler" 2>/dev/null || true
    expect_output "message \"The colours could not be saved: $conf could not be written; the disk may be full.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the old file was damaged"
    ;;
  owner_kept)
    # Root saving another user's file gives it back to them, or fails saying so.
    [ "$(id -u)" -eq 0 ] || { echo "owner_kept: skipped: only root gives a file away"; exit 77; }
    setpriv --bounding-set=-chown true || { echo "owner_kept: skipped: root cannot drop CAP_CHOWN"; exit 77; }
    store "[StartUp]" "form=65280" && chown -R nobody "$XDG_CONFIG_HOME"
    expect_output "message \"The colours could not be saved: $conf could not be given back to its owner: operation not permitted.\"" \
      "$(as_user=(setpriv --bounding-set=-chown --) && vorlix 'rclick Form1' 'close')"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the file changed"
    vorlix 'rclick Form1' 'close' >/dev/null
    [ "$(stat -c %U "$conf")" = nobody ] || fail "root's save took the file from its owner"
    ;;
  junk_lock_file)
    store "[StartUp]" "form=65280"
    printf 'not a lock\x01\x02' >"$conf.lock"
    start=$(date +%s%N)
    expect_output "" "$(vorlix 'rclick Label1' 'close')"
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    echo "closing with a junk lock took $elapsed ms"
    [ "$elapsed" -lt 5000 ] || fail "closing took $elapsed ms"
    expect_clean_rewrite
    ;;
  live_lock_holder)
    # A lock that a live process keeps: closing gives up after a moment.
    store "[StartUp]" "form=65280"
    sleep 30 & holder=$!
    printf '%s\nsleep\n%s\n' "$holder" "$(hostname)" >"$conf.lock"
    start=$(date +%s%N)
    expect_output "message \"The colours could not be saved: the settings file $conf is locked by another program.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    kill "$holder"
    echo "closing with a live lock took $elapsed ms"
    [ "$elapsed" -lt 5000 ] || fail "closing took $elapsed ms"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the file changed"
    ;;
  dead_process_lock)
    store "[StartUp]" "form=65280"
    sh -c 'exit 0' & dead=$!; wait $dead
    printf '%s\nvorlix-script\n%s\n' "$dead" "$(hostname)" >"$conf.lock"
    expect_output "" "$(vorlix 'rclick Label1' 'close')"
    expect_clean_rewrite
    ;;
  killed_while_saving)
    # A kill at any moment of a close leaves a whole file: the old one or a
    # newer one, every line a section or a key, never a torn write.
    vorlix 'close' >/dev/null
    for delay in 0 0.005 0.01 0.02 0.03 0.05 0.08 0.12; do
      printf 'rclick Form1\nrclick Label1\nclose\n' |
        env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" "$runner" >/dev/null 2>&1 &
      pid=$!
      sleep "$delay"
      kill -9 "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      if grep -v -q -E '^(\[StartUp\]|[A-Za-z0-9%]+=-?[0-9]+|)$' "$conf"; then
        fail "the file is torn after a kill at ${delay}s: $(cat "$conf")"
      fi
      keys="$(grep -c '=' "$conf")"
      [ "$keys" -eq 16 ] || fail "the file holds $keys keys after a kill at ${delay}s"
    done
    ;;
  hard_link_killed_at_each_step)
    # A file with a second name is written in place: both names get the new
    # colours, and a kill before any step leaves them one file, old, new or
    # too long to read. The new text is the shorter, so a step out of order shows.
    linked() {
      rm -f "$work/dotfile" && store "[StartUp]" "form=65280" "label1=$(printf '9%.0s' {1..1000})"
      ln "$conf" "$work/dotfile"
    }
    linked && cp "$conf" "$work/old"
    vorlix 'rclick Label1' 'close' >/dev/null && cp "$conf" "$work/new"
    [ "$conf" -ef "$work/dotfile" ] && expect_clean_rewrite || fail "a close split the names"
    needs_strace
    for call in ftruncate pwrite64 fdatasync; do
      for n in 1 2 3 4 5 6; do
        linked && status=0 && traced -e "trace=$call" -e "inject=$call:signal=KILL:when=$n" || status=$?
        [ "$conf" -ef "$work/dotfile" ] || fail "the names hold two files after a kill at $call $n"
        cmp -s "$conf" "$work/old" || cmp -s "$conf" "$work/new" ||
          [ "$(stat -c %s "$conf")" -gt 4194304 ] || fail "a kill at $call $n left: $(head -c 300 "$conf")"
        [ "$status" -ne 0 ] || break
      done
    done
    ;;
  hard_link_read_while_written)
    # A start while a close writes a file with a second name in place waits
    # for the close, rather than take the file as unreadable.
    store "[StartUp]" "form=65280" && ln "$conf" "$work/dotfile"
    needs_strace
    traced -e trace=pwrite64 -e inject=pwrite64:delay_enter=1s & writer=$!
    for _ in $(seq 1000); do [ "$(stat -c %s "$conf")" -gt 4194304 ] && break; sleep 0.01; done
    [ "$(stat -c %s "$conf")" -gt 4194304 ] || fail "the close wrote nothing in place"
    expect_output "color Label1 65535" "$(vorlix 'color Label1')"
    wait "$writer"
    ;;
  two_windows)
    # Two processes open at once; the one that closes last decides.
    mkfifo "$work/first"
    { printf 'rclick Form1\n'; cat "$work/first"; printf 'close\n'; } |
      env XDG_CONFIG_HOME="$XDG_CONFIG_HOME" "$runner" >"$work/first.out" &
    first=$!
    vorlix 'rclick Form1' 'rclick Form1' 'close' >/dev/null
    echo >"$work/first"
    wait "$first"
    expect_output "color Form1 65535" "$(vorlix 'color Form1')"
    ;;

  # Each of these once crashed, hung, lost or damaged something.
  nested_variant)
    store "[StartUp]" "form=65280" \
      "label2=@Variant($(printf '\\0\\0\\0\\t\\0\\0\\0\\x1%.0s' $(seq 40000))\\0\\0\\0\\x2\\0\\0\\0\\x5)"
    restore 65280 255
    ;;
  lock_is_a_folder)
    store "[StartUp]" "form=65280"
    mkdir "$conf.lock"
    start=$(date +%s%N)
    expect_output "message \"The colours could not be saved: the lock file $conf.lock is a folder, not a file.\"" \
      "$(vorlix 'rclick Form1' 'close')"
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    echo "closing with a folder for a lock took $elapsed ms"
    [ "$elapsed" -lt 5000 ] || fail "closing took $elapsed ms"
    [ "$(cat "$conf")" = "$(printf '[StartUp]\nform=65280')" ] || fail "the file changed"
    ;;
  kept_copies_stay)
    mkdir -p "$(dirname "$conf")"
    echo "an older kept copy" >"$conf.unreadable"
    echo "not settings" >"$conf"
    vorlix 'close' >/dev/null
    echo "not settings either" >"$conf"
    vorlix 'close' >/dev/null
    [ "$(cat "$conf.unreadable")" = "an older kept copy" ] || fail "the older copy was replaced"
    [ "$(cat "$conf.unreadable.2")" = "not settings" ] || fail "the first file was not kept"
    [ "$(cat "$conf.unreadable.3")" = "not settings either" ] || fail "the second file was not kept"
    expect_sixteen_keys
    ;;
  backslash_line_end)
    store "[StartUp]" "form=65280" 'x\' "=1"
    restore 65280 255
    expect_output "color Form1 65280" "$(vorlix 'color Form1')"
    ;;
  named_pipe)
    mkdir -p "$(dirname "$conf")" && mkfifo "$conf"
    expect_output "$(printf 'color Form1 255\nmessage "The colours could not be saved: %s is a pipe or a device, not a file."' "$conf")" \
      "$(timeout 20 bash -c "$(declare -f vorlix); as_user=(); runner='$runner'; vorlix 'color Form1' 'close'")"
    [ -p "$conf" ] || fail "the pipe was replaced"
    ;;
  dangling_link)
    mkdir -p "$(dirname "$conf")" && ln -s "$work/gone/Vorlix.conf" "$conf"
    expect_output "message \"The colours could not be saved: the folder $work/gone does not exist.\"" \
      "$(vorlix 'close')"
    ;;
  relative_config_home)
    export HOME="$work/home"
    mkdir -p "$work/elsewhere" "$HOME"
    (cd "$work/elsewhere" && XDG_CONFIG_HOME=relative vorlix 'rclick Form1' 'close' >/dev/null)
    [ ! -e "$work/elsewhere/relative" ] || fail "a relative XDG_CONFIG_HOME was used"
    grep -q '^form=65535$' "$HOME/.config/Vorlix/Vorlix.conf" || fail "not saved in ~/.config"
    ;;
  byte_order_mark_and_comments)
    mkdir -p "$(dirname "$conf")"
    printf '\xef\xbb\xbf# my colours\n;kept\n[StartUp]\nform=65280\n[Mine]\nnote=1\n' >"$conf"
    restore 65280 255
    head -c 3 "$conf" | cmp -s - <(printf '\xef\xbb\xbf') || fail "the byte-order mark was lost"
    for line in '# my colours' ';kept' '[Mine]' 'note=1'; do
      grep -qF "$line" "$conf" || fail "the line '$line' was lost"
    done
    ;;
  stale_temporary)
    store "[StartUp]" "form=65280"
    echo stale >"$conf.saving.Ab12Cd"
    echo mine >"$conf.backup"
    vorlix 'close' >/dev/null
    [ ! -e "$conf.saving.Ab12Cd" ] || fail "the stale temporary is still there"
    [ "$(cat "$conf.backup")" = mine ] || fail "the user's own file was touched"
    ;;
  fifty_megabyte_file)
    mkdir -p "$(dirname "$conf")"
    { printf '[StartUp]\nform=65280\n[Junk]\n'; seq 1700000 | sed 's/.*/key&=00000000000000000000/'; } >"$conf"
    [ "$(stat -c %s "$conf")" -gt 50000000 ] || fail "the file is under 50 MB"
    start=$(date +%s%N)
    expect_output "color Form1 255" "$(vorlix 'color Form1' 'close')"
    elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
    echo "a start and a close with a 50 MB file took $elapsed ms"
    [ "$elapsed" -lt 3000 ] || fail "it took $elapsed ms"
    [ "$(stat -c %s "$conf.unreadable")" -gt 50000000 ] || fail "the large file was not kept aside"
    expect_sixteen_keys
    ;;
  file_near_the_size_limit)
    # The keys a close adds must not take the file past what a start reads.
    mkdir -p "$(dirname "$conf")"
    { printf '[StartUp]\nform=65280\n[Other]\nlong='; head -c 4194069 /dev/zero | tr '\0' x
      printf '\n'; } >"$conf"
    [ "$(stat -c %s "$conf")" -eq 4194104 ] || fail "the file is $(stat -c %s "$conf") bytes"
    restore 65280 255
    ;;
  lock_is_a_pipe | lock_links_to_a_device)
    store "[StartUp]" "form=65280"
    if [ "$case_name" = lock_is_a_pipe ]; then mkfifo "$conf.lock"; else ln -s /dev/zero "$conf.lock"; fi
    expect_output "message \"The colours could not be saved: the lock file $conf.lock is a pipe or a device, not a file.\"" \
      "$(timeout 5 bash -c "$(declare -f vorlix); as_user=(); runner='$runner'; vorlix 'close'")"
    ;;
  lock_is_a_dangling_link)
    store "[StartUp]" "form=65280"
    ln -s "$work/gone.lock" "$conf.lock"
    expect_output "message \"The colours could not be saved: the lock file $conf.lock is a link to $work/gone.lock, which does not exist.\"" \
      "$(vorlix 'close')"
    ;;
  lock_links_to_another_users_file)
    # The link is the user's own: judged by what it names, removed as a link.
    store "[StartUp]" "form=65280"
    as_bound_by_permissions
    "${as_user[@]}" ln -s /etc/passwd "$conf.lock"
    expect_output "" "$(vorlix 'rclick Label1' 'close')"
    expect_clean_rewrite
    ;;
  two_paths_link_to_one_file)
    # Each close locks its own link; neither may take the other's temporary.
    mkdir -p "$work/real" "$work/a/Vorlix" "$work/b/Vorlix"
    for home in a b; do ln -s "$work/real/Vorlix.conf" "$work/$home/Vorlix/Vorlix.conf"; done
    for try in $(seq 10); do
      mkfifo "$work/go"
      for home in a b; do
        { printf 'rclick Form1\n'; cat "$work/go"; printf 'close\n'; } |
          env XDG_CONFIG_HOME="$work/$home" "$runner" >"$work/$home.out" &
      done
      sleep 0.3
      echo >"$work/go"
      wait
      cat "$work/a.out" "$work/b.out" | grep . && fail "a close failed in try $try"
      rm "$work/go"
    done
    conf="$work/real/Vorlix.conf" expect_sixteen_keys
    ;;
  comment_after_a_value)
    store "[StartUp]" "form=65280 ; green, set by hand"
    restore 65280 255
    grep -qx 'form=65280 ; green, set by hand' "$conf" || fail "the comment was lost: $(cat "$conf")"
    ;;
  folder_name_not_utf8)
    export XDG_CONFIG_HOME="$work/caf$(printf '\351')"; conf="$XDG_CONFIG_HOME/Vorlix/Vorlix.conf"
    restore 255 255
    ;;
  *) fail "no such case" ;;
esac
echo "passed: $case_name"
