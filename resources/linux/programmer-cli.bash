# bash completion for programmer-cli
_programmer_cli()
{
    local cur prev words cword
    _init_completion || return
    if [[ $cword -eq 1 ]]; then
        mapfile -t COMPREPLY < <(compgen -W "new info dump read write import-csv export-csv print --help" -- "$cur")
        return
    fi
    case $prev in
    --sections)
        mapfile -t COMPREPLY < <(compgen -W "channels scan settings dtmf alarm twotone fivetone model" -- "$cur")
        return
        ;;
    --language)
        mapfile -t COMPREPLY < <(compgen -W "en zh" -- "$cur")
        return
        ;;
    --page)
        mapfile -t COMPREPLY < <(compgen -W "a4 letter" -- "$cur")
        return
        ;;
    --password | --first) return ;;
    --trace)
        _filedir log
        return
        ;;
    esac
    local command=${words[1]}
    if [[ $cur == -* ]]; then
        case $command in
        read) mapfile -t COMPREPLY < <(compgen -W "--password --trace" -- "$cur") ;;
        write) mapfile -t COMPREPLY < <(compgen -W "--service --password --trace" -- "$cur") ;;
        import-csv) mapfile -t COMPREPLY < <(compgen -W "--first" -- "$cur") ;;
        print) mapfile -t COMPREPLY < <(compgen -W "--sections --language --page" -- "$cur") ;;
        esac
        return
    fi
    # The port of read and write: the serial devices and SIM.
    if [[ ($command == read || $command == write) && $cword -eq 2 ]]; then
        mapfile -t COMPREPLY < <(compgen -W "SIM $(ls /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* 2>/dev/null)" -- "$cur")
        return
    fi
    _filedir
}
complete -F _programmer_cli programmer-cli
