#!/bin/sh
# The folders of src/ include only the layers below them (docs/DESIGN.md tells why), and a solver
# family includes only the solver frame beside its own files. Prints every include that breaks
# the rule and fails when there is one.
cd "$(dirname "$0")/../src" || exit 2
allowed() {
    case "$1" in
    maths) echo "maths" ;;
    platform) echo "maths platform" ;;
    texts) echo "maths texts" ;;
    shell) echo "maths platform texts shell" ;;
    expr) echo "maths platform texts shell expr" ;;
    graphs) echo "maths platform texts shell graphs" ;;
    angles) echo "maths platform texts shell angles" ;;
    solvers) echo "maths platform texts shell expr solvers" ;;
    practice) echo "maths platform texts shell expr solvers practice" ;;
    app) echo "maths platform texts shell expr graphs angles solvers practice app" ;;
    esac
}
broken=0
for folder in maths platform texts shell expr graphs angles solvers practice app; do
    for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
        for target in $(sed -n 's|^#include "\([a-z_]*\)/.*|\1|p' "$file"); do
            case " $(allowed "$folder") " in
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
