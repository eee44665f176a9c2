#!/usr/bin/env bash
# The house rule of the source tree: the logic, the ports and the scenes know no front end.
# Their sources include neither ui/ nor Qt, their libraries link neither, and a program's logic
# uses only common/, ports/, the shape functions of shape/, the model-file library and its own
# folder. shape/ is numerics below them all and uses only common/.
# usage: check_layers.sh SOURCE_DIR   (exit 1 and one line per breach when the rule is broken)
set -u
root=${1:?usage: check_layers.sh SOURCE_DIR}
cd "$root" || exit 2
status=0
breach() {
    echo "$1"
    status=1
}

# Folder and the folders its sources may include besides the standard library.
declare -A allowed=(
    [common]="common"
    [ports]="ports"
    [shape]="common shape"
    [solver]="common ports shape solver"
    [geometry]="common ports solver/modelfiles geometry"
    [loads]="common ports shape solver/modelfiles loads"
    [manager]="common ports solver/modelfiles manager"
    [viewer]="common ports shape solver/modelfiles viewer"
    [scene]="common ports shape solver/modelfiles geometry loads manager solver viewer scene"
)

for folder in common ports shape solver geometry loads manager viewer scene; do
    [ -d "$folder" ] || continue
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        text=${rest#*:}
        included=$(sed -E 's/^\s*#\s*include\s*[<"]([^>"]+)[>"].*/\1/' <<<"$text")
        case "$text" in
        *'<'*) # a system header: no Qt
            if [[ "$included" =~ ^Q[A-Za-z0-9_]*(/|$) || "$included" =~ ^Qt ]]; then
                breach "$file:$line: $folder/ includes the Qt header <$included>"
            fi
            continue ;;
        esac
        ok=0
        for prefix in ${allowed[$folder]}; do
            [[ "$included" == "$prefix/"* ]] && ok=1
        done
        if [ $ok -eq 0 ]; then
            breach "$file:$line: $folder/ includes \"$included\"; it may include only: ${allowed[$folder]}"
        fi
    done < <(grep -rn -E '^\s*#\s*include\s*[<"]' --include='*.hpp' --include='*.cpp' --include='*.h' "$folder")
    # Their libraries link no front end.
    while IFS= read -r hit; do
        breach "$hit: $folder/ links a front end or Qt"
    done < <(grep -n -E 'ui_[a-z]+|Qt[56]?::' "$folder/CMakeLists.txt" 2>/dev/null | sed "s#^#$folder/CMakeLists.txt:#")
done

[ $status -eq 0 ] && echo "Schichten in Ordnung."
exit $status
