#!/bin/sh
# The folders of src/ include only the layers below them (docs/DESIGN.md tells why), and a solver
# family includes only the solver frame beside its own files. A folder the table does not name
# holds a topic window of its own and stands where graphs/ and angles/ do; app/ may include every
# folder. Prints every include that breaks the rule and fails when there is one.
cd "$(dirname "$0")/../src" || exit 2
folders=$(find . -mindepth 1 -maxdepth 1 -type d | sed 's|^\./||' | sort)
allowed() {
    case "$1" in
    maths) echo "maths" ;;
    platform) echo "maths platform" ;;
    texts) echo "maths texts" ;;
    shell) echo "maths platform texts shell" ;;
    expr) echo "maths platform texts shell expr" ;;
    solvers) echo "maths platform texts shell expr solvers" ;;
    practice) echo "maths platform texts shell expr solvers history practice" ;;
    app) echo "$folders" ;;
    *) echo "maths platform texts shell $1" ;;
    esac
}
broken=0
for folder in $folders; do
    for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
        for target in $(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file"); do
            case " $(echo $(allowed "$folder")) " in
            *" $target "*) ;;
            *) echo "$file includes $target/"; broken=1 ;;
            esac
        done
    done
done
for file in $(find solvers -name '*.h' -o -name '*.cpp'); do
    family=$(echo "$file" | cut -d/ -f2)
    for target in $(sed -n 's|^#include "solvers/\([a-z_]*\)/.*|\1|p' "$file"); do
        if [ "$target" != frame ] && [ "$target" != "$family" ]; then
            echo "$file includes solvers/$target/"
            broken=1
        fi
    done
done
exit $broken
