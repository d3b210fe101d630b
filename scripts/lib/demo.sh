# shellcheck shell=bash
# The demonstration, shared by scripts/run (on a machine without a display) and scripts/test: the whole-program
# test AudibleDemonstration plays one whole session on a virtual desktop and leaves a picture of each step and
# build/demo/index.md. Sourced after scripts/lib/desktop.sh, with the sound server and the display started and
# $windows_build and $wine_loader chosen.

demo_dir="$build_root/demo"
demo_filter="AudibleDemonstration.*"

# A prefix of its own whose virtual desktop draws the window frames and captions a window manager would draw.
use_demonstration_prefix() {
  use_wine_prefix demo
  if [ ! -f "$WINEPREFIX/.orvjubo-virtual-desktop" ]; then
    step "giving the demonstration prefix a 1280x800 virtual desktop"
    "$wine_loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine_loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.orvjubo-virtual-desktop"
  fi
  rm -rf "$demo_dir"
  mkdir -p "$demo_dir"
  ORVJUBO_TEST_MEDIA_DIR=$(bash "$root/tests/media/make_test_media.sh" "$build_root/test-media")
  export ORVJUBO_TEST_MEDIA_DIR
  export ORVJUBO_DEMO_DIR="Z:${demo_dir//\//\\}"
}

# The test program that holds the demonstration.
demonstration_exe() { echo "$windows_build/tests/orvjubo_e2e_tests.exe"; }

# Turns the pictures into PNG files; false when index.md or a picture it names is missing.
finish_demonstration() {
  local picture missing=0
  for picture in "$demo_dir"/*.bmp; do
    [ -e "$picture" ] || continue
    convert "$picture" "${picture%.bmp}.png" && rm "$picture"
  done
  if [ ! -s "$demo_dir/index.md" ]; then
    step "the demonstration wrote no ${demo_dir#"$root"/}/index.md"
    return 1
  fi
  while read -r picture; do
    [ -s "$demo_dir/$picture" ] || { step "index.md names $picture, which is missing"; missing=1; }
  done < <(sed -nE 's/.*\]\(([^)]+\.png)\).*/\1/p' "$demo_dir/index.md")
  step "the demonstration: ${demo_dir#"$root"/}/index.md and $(find "$demo_dir" -name '*.png' | wc -l) pictures"
  [ "$missing" = 0 ]
}
