# shellcheck shell=bash
# Sourced after lib.sh by the installation groups: the registry and paths of the prefix, and the
# import wizard's list.
wizard="class=TfrmMain"
prompt="Quorvel Developer"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
folders_key='Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'

# Its output, unlike lib.sh's e2e_reg, is kept: the queries read it.
install_reg() {
    timeout -k 5 60 "$QV_WINE" reg "$@" </dev/null 2>/dev/null | tr -d '\r'
}
# A value's data as "reg query" prints it; empty when it is missing.
install_reg_value() {
    install_reg query "$1" /v "$2" | NAME=$2 awk '
        { line = $0; sub(/^ +/, "", line) }
        index(line, ENVIRON["NAME"] " ") == 1 { sub(/^.* +REG_[A-Z_]+ +/, "", line); print line }'
}
install_reg_default() {
    install_reg query "$1" /ve | awk '/REG_SZ/ { sub(/^.*REG_SZ +/, ""); print }'
}
# The host path of a Windows path inside the prefix.
e2e_unix_path() {
    local path=${1//\\//}
    printf '%s/drive_c/%s' "$WINEPREFIX" "${path#[Cc]:/}"
}
# A shell folder of the user ("Startup", "Programs") or, with "HKLM", of all users, as a host
# path.
e2e_shell_folder() {
    e2e_unix_path "$(install_reg_value "${2:-HKCU}\\$folders_key" "$1")"
}
# The 0-based index of the entry $2 in the list file $1; empty when it is not listed.
e2e_entry_index() {
    WANT=$2 awk '$0 == ENVIRON["WANT"] { print NR - 1; exit }' "$1"
}
