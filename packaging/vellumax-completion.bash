# bash completion for vellumax: its options, their fixed values, the card sheets of the card sheet
# list for --sheet, CUPS printers for --printer, and files by the extensions each option reads.

# The card sheet list the program would read, found as the program finds it: the folder
# VELLUMAX_HOME names; otherwise the executable's folder when it is a built program it may write
# to; otherwise the user's configuration folder, with the sheets installed beside the executable.
_vellumax_sheet_file()
{
    local program folder bin shipped
    program=$(type -P -- "$1") || program=$1
    bin=$(dirname -- "$program")
    shipped=$bin/../share/vellumax/CardDef.Def
    if [[ -n ${VELLUMAX_HOME-} ]]; then
        folder=$VELLUMAX_HOME
        shipped=$folder/CardDef.Def
    elif [[ ! -f $bin/CardDef.Def && -f $shipped ]] || [[ ! -w $bin ]]; then
        folder=${XDG_CONFIG_HOME:-$HOME/.config}
        [[ $folder == /* ]] || folder=$HOME/.config
        folder=$folder/vellumax
    else
        folder=$bin
    fi
    local file
    for file in "$folder/CardDef.lst" "$folder/CardDef.Def" "$shipped"; do
        if [[ -f $file ]]; then
            printf '%s\n' "$file"
            return
        fi
    done
}

# The names of the card sheets, one a line: the first field of each line of the list (CP932),
# quoted with "" standing for a quote, or plain up to a space or comma.
_vellumax_sheet_names()
{
    local file
    file=$(_vellumax_sheet_file "$1")
    [[ -n $file ]] || return
    iconv -c -f CP932 -t UTF-8 -- "$file" 2>/dev/null |
        LC_ALL=C sed -E 's/\r$//; s/^[[:space:]]+//
            /^"/ { s/^"((""|[^"])*)"?.*/\1/; s/""/"/g; b }
            s/^([^[:space:],]*).*/\1/' |
        grep -v '^$'
}

_vellumax()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --export)
            _filedir '@(png|jpg|jpeg|bmp|dib)'
            return
            ;;
        --pdf)
            _filedir pdf
            return
            ;;
        --merge)
            _filedir '@(csv|tsv|txt|xlsx|ods|vcf)'
            return
            ;;
        --icc)
            _filedir '@(icc|icm)'
            return
            ;;
        --pdfx)
            COMPREPLY=($(compgen -W '4 1a' -- "$cur"))
            return
            ;;
        --side)
            COMPREPLY=($(compgen -W 'front back' -- "$cur"))
            return
            ;;
        --marks)
            COMPREPLY=($(compgen -W 'none frame cross' -- "$cur"))
            return
            ;;
        --back)
            COMPREPLY=($(compgen -W 'long short none' -- "$cur"))
            return
            ;;
        --per-record)
            COMPREPLY=($(compgen -W 'card sheet' -- "$cur"))
            return
            ;;
        --printer)
            COMPREPLY=($(compgen -W "$(lpstat -e 2>/dev/null)" -- "$cur"))
            return
            ;;
        --sheet)
            # Names hold spaces and quotes: each is matched as typed and given back quoted.
            local typed name
            typed=$(dequote "$cur") || typed=${cur#[\"\']}
            COMPREPLY=()
            while IFS= read -r name; do
                [[ $name == "$typed"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
            done < <(_vellumax_sheet_names "${words[0]}")
            return
            ;;
        --dpi | --quality | --copies | --offset | --start | --sheets | --cards | --records | --copies-column | --bleed)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--export --pdf --print --dpi --quality --side --marks --sheet --back
            --printer --copies --offset --start --sheets --cards --merge --per-record --records
            --copies-column --continue-numbering --press --bleed --icc --pdfx --preflight --help --version --list-sheets' -- "$cur"))
        return
    fi
    _filedir vkc
}
complete -F _vellumax vellumax
