#!/usr/bin/env bash
# Gives a first start something to play: when Pellmora has no emulator folder configured yet,
# prepares one in the user data folder around Debian's emulator, with two games that need no
# ROM files, and points the settings file at it. Never touches an existing setup.
#
# The settings file is $XDG_DATA_HOME/Quorvane/Pellmora/Pellmora.INI (default
# ~/.local/share/...). Nothing is done when it already has a MAMEPath key, when the emulator
# is not installed, or when the emulator folder exists but is not one this script made.
set -eu

EMULATOR=${PELLMORA_SYSTEM_EMULATOR:-/usr/games/mame}
DATA_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/Quorvane/Pellmora"
SETTINGS="$DATA_DIR/Pellmora.INI"
EMU_DIR="$DATA_DIR/emulator"
FREE_GAMES=(pong breakout) # discrete-logic sets: their empty folders are the whole game

note() { echo "newcomer-setup: $*" >&2; }

# Whether the settings file has a MAMEPath key in its [Pellmora] section (names ignore case).
has_mame_path() {
    [ -f "$SETTINGS" ] || return 1
    tr -d '\r' <"$SETTINGS" | awk '
        /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t]/, "", s); in_section = (s == "[pellmora]"); next }
        in_section {
            eq = index($0, "="); if (eq == 0) next
            key = substr($0, 1, eq - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
            if (tolower(key) == "mamepath") { found = 1; exit }
        }
        END { exit !found }'
}

# set_option FILE NAME VALUE: replaces the first line whose name (the text before its first
# blank) is NAME, ignoring case, with NAME padded to 25 characters, a blank and VALUE; appends
# that line when none matches. Every other line stays as it is.
set_option() {
    local file=$1 name=$2 value=$3
    awk -v name="$name" -v value="$value" '
        BEGIN { line = sprintf("%-25s %s", name, value) }
        !done {
            text = $0; sub(/\r$/, "", text)
            blank = index(text, " ")
            if (blank > 0 && tolower(substr(text, 1, blank - 1)) == tolower(name)) {
                print line; done = 1; next
            }
        }
        { print }
        END { if (!done) print line }' "$file" >"$file.new"
    mv "$file.new" "$file"
}

# Builds the emulator folder in DIR: the emulator link, its own default mame.ini with our
# folders, the folders themselves and the free games.
build_emulator_folder() {
    local dir=$1 game
    ln -s "$EMULATOR" "$dir/mame"
    # Debian's build writes mame.ini into the working folder, with its own paths from /etc/mame.
    (cd "$dir" && ./mame -createconfig >/dev/null)
    [ -f "$dir/mame.ini" ] || { note "the emulator wrote no mame.ini"; return 1; }
    set_option "$dir/mame.ini" rompath roms
    set_option "$dir/mame.ini" snapshot_directory snap
    set_option "$dir/mame.ini" cfg_directory cfg
    set_option "$dir/mame.ini" nvram_directory nvram
    set_option "$dir/mame.ini" readconfig 1
    mkdir -p "$dir/roms" "$dir/snap" "$dir/cfg" "$dir/nvram"
    for game in "${FREE_GAMES[@]}"; do
        mkdir -p "$dir/roms/$game"
    done
}

# Adds MAMEPath=VALUE to the settings file's [Pellmora] section (CR LF lines), keeping the rest.
write_mame_path() {
    local value=$1 tmp="$SETTINGS.new"
    if [ -f "$SETTINGS" ]; then
        awk -v entry="MAMEPath=$value" '
            { print }
            !done {
                s = tolower($0); gsub(/[ \t\r]/, "", s)
                if (s == "[pellmora]") { printf "%s\r\n", entry; done = 1 }
            }
            END { if (!done) printf "[Pellmora]\r\n%s\r\n", entry }' "$SETTINGS" >"$tmp"
    else
        printf '[Pellmora]\r\nMAMEPath=%s\r\n' "$value" >"$tmp"
    fi
    mv "$tmp" "$SETTINGS"
}

main() {
    if has_mame_path; then
        return 0
    fi
    if [ ! -x "$EMULATOR" ]; then
        note "$EMULATOR is not installed; Pellmora will ask where the emulator is"
        return 0
    fi
    mkdir -p "$DATA_DIR"
    if [ -e "$EMU_DIR" ] || [ -L "$EMU_DIR" ]; then
        # A folder left by an earlier run is used as it is; anything else is not ours to change.
        if [ -x "$EMU_DIR/mame" ] && [ -f "$EMU_DIR/mame.ini" ]; then
            write_mame_path "$EMU_DIR/"
        else
            note "$EMU_DIR exists and is not an emulator folder; leaving it alone"
        fi
        return 0
    fi
    # Built aside and moved into place whole, so an interrupted run leaves no half folder.
    local work
    work=$(mktemp -d "$DATA_DIR/emulator.new.XXXXXX")
    if ! build_emulator_folder "$work"; then
        rm -rf "$work"
        note "could not prepare an emulator folder"
        return 0
    fi
    mv "$work" "$EMU_DIR"
    chmod 755 "$EMU_DIR"
    write_mame_path "$EMU_DIR/"
    note "prepared $EMU_DIR with ${FREE_GAMES[*]}"
}

main "$@"
