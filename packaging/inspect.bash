# bash completion for inspect: its options (as `inspect --help` names them), type
# names after --describe, file names after -f/--file and --library, and phrase names
# (names and plurals from `inspect --list`) in queries. A query is usually one quoted
# argument of several words ('hexadecet 3 of ipv6 ad<Tab>'): the completion then
# extends the longest tail of the query that begins a phrase name.

# Sets _inspect_names_cache to the phrase names (or type names, with `types`) of the
# library that `inspect` would load, one a line, read from the column layout of
# `inspect --list`. The last answer is kept: completing the same command line again
# asks nothing.
_inspect_names() {
  local what=$1 command=$2
  shift 2
  local key="$what ${command} $*"
  if [[ ${_inspect_names_key-} != "$key" ]]; then
    _inspect_names_key=$key
    _inspect_names_cache=$(
      "$command" --list "$@" 2>/dev/null | {
        local header line name plural kind
        IFS= read -r header || exit 0
        # Each column starts where its heading does; the last runs to the line's end.
        local -A start=() width=()
        local heading="" at i previous=""
        for ((i = 0; i <= ${#header}; i++)); do
          if [[ ${header:i:1} == [A-Z] ]]; then
            [[ -z $heading ]] && at=$i
            heading+=${header:i:1}
          elif [[ -n $heading ]]; then
            start[$heading]=$at
            [[ -n $previous ]] && width[$previous]=$((at - start[$previous]))
            previous=$heading heading=""
          fi
        done
        width[$previous]=100000
        [[ -n ${start[NAME]-} ]] || exit 0
        local name_at=${start[NAME]} name_width=${width[NAME]}
        local plural_at=${start[PLURAL]-0} plural_width=${width[PLURAL]-0}
        while IFS= read -r line; do
          kind=${line:0:name_at}
          kind=${kind%"${kind##*[! ]}"}
          name=${line:name_at:name_width}
          name=${name%"${name##*[! ]}"}
          plural=${line:plural_at:plural_width}
          plural=${plural%"${plural##*[! ]}"}
          if [[ $what == types ]]; then
            [[ $kind == type ]] && printf '%s\n' "$name"
            continue
          fi
          # Operators are listed by their symbol, which is not a phrase name.
          [[ $kind == *operator ]] && continue
          printf '%s\n' "$name"
          [[ $plural_width -gt 0 && $plural != - ]] && printf '%s\n' "$plural"
        done
      } | sort -u
    )
  fi
}

# Fills COMPREPLY with the completions of the query text $1 by the names on standard
# input: the longest tail of $1 that starts after a blank or a bracket and begins at
# least one name is completed to each such name.
_inspect_complete_query() {
  local text=$1 names name tail head i
  mapfile -t names
  for ((i = 0; i <= ${#text}; i++)); do
    if ((i > 0)) && [[ ${text:i-1:1} != [[:space:]\(] ]]; then
      continue
    fi
    head=${text:0:i}
    tail=${text:i}
    [[ -z $tail ]] && return 0
    for name in "${names[@]}"; do
      [[ $name == "$tail"* ]] && COMPREPLY+=("$head$name")
    done
    ((${#COMPREPLY[@]})) && return 0
  done
}

_inspect() {
  local cur=${COMP_WORDS[COMP_CWORD]}
  local prev=""
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  local command=${COMP_WORDS[0]}
  COMPREPLY=()

  # The library the completed command line names, for the names it registers.
  local library=() i
  for ((i = 1; i < COMP_CWORD; i++)); do
    case ${COMP_WORDS[i]} in
      --library) library=(--library "${COMP_WORDS[i + 1]}") ;;
      --library=*) library=("${COMP_WORDS[i]}") ;;
    esac
  done

  case $prev in
    -f | --file | --library)
      mapfile -t COMPREPLY < <(compgen -f -- "$cur")
      compopt -o filenames 2>/dev/null
      return 0
      ;;
    --timeout)
      return 0
      ;;
    --describe)
      local text=$cur
      [[ $text == [\"\']* ]] && text=${text:1}
      _inspect_names types "$command" "${library[@]}"
      _inspect_complete_query "$text" <<<"$_inspect_names_cache"
      return 0
      ;;
  esac

  if [[ $cur == -* ]]; then
    local options
    options=$("$command" --help 2>/dev/null |
              grep -oE -- '(^|[ ,])--?[A-Za-z][-A-Za-z]*' | tr -d ' ,' | sort -u)
    mapfile -t COMPREPLY < <(compgen -W "$options --" -- "$cur")
    return 0
  fi

  # A query: strip the opening quote, which the shell keeps out of the completion.
  local text=$cur
  [[ $text == [\"\']* ]] && text=${text:1}
  _inspect_names phrases "$command" "${library[@]}"
  _inspect_complete_query "$text" <<<"$_inspect_names_cache"
  return 0
}

complete -F _inspect inspect
