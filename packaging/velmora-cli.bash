# Bash completion for velmora-cli. The companion itself says what may follow
# the words typed so far (`velmora-cli --complete WORD...`): its commands, the
# kinds of archive, the --FIELD names of each kind's search, the years of the
# archives in the folder the line reads. This script only hands the words
# over and offers what comes back.

_velmora_cli() {
    local cur prev words cword split
    _init_completion -s || return

    # The words after the program up to the cursor's; a --option=value being
    # completed goes over as the option and its value.
    local -a asked=("${words[@]:1:cword-1}")
    if [[ $split == true ]]; then
        asked+=("$prev")
    fi
    asked+=("$cur")

    local program=${words[0]}
    [[ $program == "~/"* ]] && program=$HOME/${program#"~/"}
    local reply
    reply=$("$program" --complete "${asked[@]}" 2>/dev/null) || return

    case $reply in
        :files) _filedir ;;
        :folders) _filedir -d ;;
        *)
            local IFS=$'\n'
            COMPREPLY=($(compgen -W "$reply" -- "$cur"))
            ;;
    esac
}
complete -F _velmora_cli velmora-cli
