#!/usr/bin/env bash
# Builds the MSI from its WiX source with Cyrillic texts intact (see CMakeLists.txt).
# Usage: build_msi.sh SOURCE.wxs PROGRAM.exe ICON.ico VERSION OUTPUT.msi UPGRADE_CODE TITLE
set -euo pipefail
source=$(realpath "$1") exe=$2 icon=$3 version=$4 output=$(realpath -m "$5") upgrade_code=$6 title=$7
export WINDOWS_LANGUAGE=bg
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# wixl finds files by plain names in the folder it runs in: the program's, and
# the icon by the program's name.
program=$(basename "$exe")
cp "$exe" "$work/$program"
cp "$icon" "$work/${program%.exe}.ico"
# The same package from the same source: the files' times (kept in the cabinet)
# from the last commit, and the product and package codes named by the version
# and the program's content. Each version and build gets its own codes, so the
# major upgrade still tells them apart.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$(dirname "$source")" log -1 --format=%ct 2>/dev/null || echo 0)}
touch -d "@$epoch" "$work/$program" "$work/${program%.exe}.ico"
codes=$(/usr/bin/python3 -c '
import hashlib, sys, uuid
content = hashlib.sha256(open(sys.argv[1], "rb").read() + open(sys.argv[2], "rb").read()).hexdigest()
upgrade = uuid.UUID(sys.argv[4])
for kind in ("product", "package"):
    print(str(uuid.uuid5(upgrade, "%s %s %s" % (kind, sys.argv[3], content))).upper())' \
    "$exe" "$source" "$version" "$upgrade_code")
product_code="{$(sed -n 1p <<<"$codes")}"
package_code="{$(sed -n 2p <<<"$codes")}"
size_kb=$(( ($(stat -c %s "$exe") + 1023) / 1024 ))
(cd "$work" && wixl -a x64 -D Version="$version" -D SizeKB="$size_kb" -D ProductCode="$product_code" \
    -o package.msi "$source")
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
# The desktop shortcut only with the public property DESKTOPSHORTCUT=1 or yes,
# or "#1" as the search finds an earlier choice; removed again whatever the
# property on uninstall, where no one passes it.
(cd "$work" && msibuild package.msi -i _ForceCodepage.idt \
    -q "UPDATE \`Component\` SET \`Condition\` = 'DESKTOPSHORTCUT = \"1\" OR DESKTOPSHORTCUT = \"#1\" OR DESKTOPSHORTCUT ~= \"yes\" OR REMOVE = \"ALL\"' WHERE \`Component\` = 'DesktopShortcut'")
# What wixl 0.101 cannot say itself:
# - the shortcuts' key paths under HKMU (-1), which it writes as 4;
# - a rebuild of the same version upgrading in place: the upgrade row's upper
#   bound inclusive (512), a key column, so the row is written anew;
# - the searched and public properties a per-machine install may pass on.
upgrade=$(msiinfo export "$work/package.msi" Upgrade | tr -d '\r' |
    awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" { print $1 "\t" $3 "\t" $5 }')
IFS=$'\t' read -r code below attributes <<<"$upgrade"
(cd "$work" && msibuild package.msi \
    -q "UPDATE \`Registry\` SET \`Root\` = -1 WHERE \`Component_\` = 'MenuShortcut' OR \`Component_\` = 'DesktopShortcut'" \
    -q "DELETE FROM \`Upgrade\` WHERE \`ActionProperty\` = 'WIX_UPGRADE_DETECTED'" \
    -q "INSERT INTO \`Upgrade\` (\`UpgradeCode\`, \`VersionMax\`, \`Attributes\`, \`ActionProperty\`) VALUES ('$code', '$below', $((attributes | 512)), 'WIX_UPGRADE_DETECTED')" \
    -q "UPDATE \`Property\` SET \`Value\` = 'DESKTOPSHORTCUT;INSTALLERFORALL;INSTALLERFORUSER;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' WHERE \`Property\` = 'SecureCustomProperties'")
# Windows' validation wants more than wixl gives: the program's file version
# (from its own version block), the entry's InstallLocation, and the summary's
# template in the package's language, Bulgarian (1026).
file_version=$(python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read()
at = data.index(struct.pack("<I", 0xFEEF04BD))
ms, ls = struct.unpack("<II", data[at + 8:at + 16])
print("%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))' "$work/$program")
(cd "$work" && msibuild package.msi \
    -q "UPDATE \`File\` SET \`Version\` = '$file_version' WHERE \`File\` = '$program'" \
    -q "INSERT INTO \`CustomAction\` (\`Action\`, \`Type\`, \`Source\`, \`Target\`) VALUES ('SetInstallLocation', 51, 'ARPINSTALLLOCATION', '[INSTALLDIR]')" \
    -q "INSERT INTO \`InstallExecuteSequence\` (\`Action\`, \`Sequence\`) VALUES ('SetInstallLocation', 1001)" \
    -s "$title $version" "$(msiinfo suminfo package.msi | sed -n 's/^Author: //p')" "x64;1026" "$package_code")
# The summary in its own code page, and its times, which the tools set to the build's.
/usr/bin/python3 "$(dirname "$0")/summary.py" "$work/package.msi" "$epoch"
mv "$work/package.msi" "$output"
