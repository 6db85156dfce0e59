#!/usr/bin/env bash
# The package managers' manifests as scripts/release.sh writes them, read back the way
# winget and Scoop take them: every field their formats require is there, each URL
# names the release's own file and each hash is that file's, the versions are the
# build's (the installer's own ProductVersion and ProductCode included), and the
# console program is named (winget's command alias, Scoop's bin) exactly when the zip
# holds it. The build's zip and installer are copied into a folder of the test's own
# and the manifests written there.
#
#   manifests_test.sh PACKAGE_DIR VERSION ARCH...
set -uo pipefail
if (($# < 3)); then
  echo "usage: manifests_test.sh PACKAGE_DIR VERSION ARCH..." >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
packages=$1 version=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for arch in "$@"; do
  for file in "tintwell-$version-windows-$arch.zip" "tintwell-$version-$arch.msi"; do
    cp "$packages/$file" "$scratch/" || { echo "no $file in $packages" >&2; exit 1; }
  done
done
url='https://downloads.example.org/tintwell/v{version}'
home='https://example.org/tintwell'
python3 "$here/../../packaging/write_manifests.py" "$scratch" "$version" "$url" "$home" "$@" || {
  echo "write_manifests.py failed" >&2
  exit 1
}

python3 - "$scratch" "$version" "$url" "$home" "$@" <<'EOF'
import hashlib, json, os, subprocess, sys, zipfile
import yaml

folder, version, url, home, *arches = sys.argv[1:]
base = url.replace("{version}", version)
failures = []
def check(ok, what):
    if not ok:
        failures.append(what)
def sha(name):
    with open(os.path.join(folder, name), "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()
def msi_property(name, prop):
    table = subprocess.run(["msiinfo", "export", os.path.join(folder, name), "Property"],
                           capture_output=True, text=True, check=True).stdout
    rows = dict(line.split("\t", 1) for line in table.splitlines() if "\t" in line)
    return rows.get(prop, "").strip()
def has(record, fields, where):
    for field in fields:
        check(record.get(field) not in (None, "", []), f"{where}: no {field}")

winget_arch = {"x86_64": "x64", "x86": "x86"}
scoop_arch = {"x86_64": "64bit", "x86": "32bit"}
cli = {a: "tintwell-cli.exe" in zipfile.ZipFile(os.path.join(folder, f"tintwell-{version}-windows-{a}.zip")).namelist()
       for a in arches}

# winget: the three files of a multi-file manifest, in the repository's layout.
path = os.path.join(folder, "winget", "manifests", "t", "Tintwell", "Tintwell", version)
docs = {}
for kind, name in (("version", "Tintwell.Tintwell.yaml"),
                   ("defaultLocale", "Tintwell.Tintwell.locale.en-US.yaml"),
                   ("installer", "Tintwell.Tintwell.installer.yaml")):
    try:
        with open(os.path.join(path, name), encoding="utf-8") as f:
            docs[kind] = yaml.safe_load(f)
    except (OSError, yaml.YAMLError) as error:
        failures.append(f"winget {name}: {error}")
        docs[kind] = {}
    doc = docs[kind]
    has(doc, ["PackageIdentifier", "PackageVersion", "ManifestType", "ManifestVersion"], name)
    check(doc.get("ManifestType") == kind, f"{name}: ManifestType {doc.get('ManifestType')}")
    check(doc.get("PackageIdentifier") == "Tintwell.Tintwell", f"{name}: identifier")
    check(str(doc.get("PackageVersion")) == version, f"{name}: version {doc.get('PackageVersion')}")
has(docs["version"], ["DefaultLocale"], "version manifest")
check(docs["version"].get("DefaultLocale") == docs["defaultLocale"].get("PackageLocale"),
      "the default locale's manifest is not of the locale the version manifest names")
has(docs["defaultLocale"], ["PackageLocale", "Publisher", "PackageName", "License",
                            "ShortDescription"], "locale manifest")
installers = docs["installer"].get("Installers") or []
for arch in arches:
    msi = f"tintwell-{version}-{arch}.msi"
    zip_name = f"tintwell-{version}-windows-{arch}.zip"
    mine = [i for i in installers if i.get("Architecture") == winget_arch[arch]]
    wix = [i for i in mine if i.get("InstallerType") == "wix"]
    zips = [i for i in mine if i.get("InstallerType") == "zip"]
    check(len(wix) == 1 and len(zips) == 1, f"winget {arch}: {len(wix)} wix and {len(zips)} zip installers")
    for entry, file in [(e, msi) for e in wix] + [(e, zip_name) for e in zips]:
        has(entry, ["Architecture", "InstallerType", "InstallerUrl", "InstallerSha256"], f"winget {file}")
        check(entry.get("InstallerUrl") == f"{base}/{file}", f"winget {file}: URL {entry.get('InstallerUrl')}")
        check(str(entry.get("InstallerSha256", "")).lower() == sha(file), f"winget {file}: hash")
    for entry in wix:
        check(entry.get("Scope") == "user", f"winget {msi}: scope {entry.get('Scope')}")
        code = msi_property(msi, "ProductCode")
        check(entry.get("ProductCode") == code, f"winget {msi}: ProductCode {entry.get('ProductCode')}, package {code}")
        check(msi_property(msi, "ProductVersion") == version, f"{msi}: ProductVersion {msi_property(msi, 'ProductVersion')}")
        entries = entry.get("AppsAndFeaturesEntries") or [{}]
        check(entries[0].get("UpgradeCode", "").upper() == msi_property(msi, "UpgradeCode").upper(),
              f"winget {msi}: UpgradeCode")
        check(str(entries[0].get("DisplayVersion")) == version, f"winget {msi}: DisplayVersion")
    for entry in zips:
        check(entry.get("NestedInstallerType") == "portable", f"winget {zip_name}: nested type")
        check(entry.get("ArchiveBinariesDependOnPath") is True,
              f"winget {zip_name}: the programs would not find dyeplate.dll")
        nested = entry.get("NestedInstallerFiles") or []
        files = [n.get("RelativeFilePath") for n in nested]
        expected = ["tintwell.exe"] + (["tintwell-cli.exe"] if cli[arch] else [])
        check(files == expected, f"winget {zip_name}: nested files {files}, zip holds {expected}")
        aliases = [n.get("PortableCommandAlias") for n in nested if n.get("PortableCommandAlias")]
        check(aliases == (["tintwell-cli"] if cli[arch] else []), f"winget {zip_name}: aliases {aliases}")

# Scoop.
try:
    with open(os.path.join(folder, "scoop", "tintwell.json"), encoding="utf-8") as f:
        scoop = json.load(f)
except (OSError, ValueError) as error:
    failures.append(f"scoop: {error}")
    scoop = {}
has(scoop, ["version", "description", "homepage", "license", "architecture", "checkver", "autoupdate"], "scoop")
check(scoop.get("version") == version, f"scoop: version {scoop.get('version')}")
for arch in arches:
    zip_name = f"tintwell-{version}-windows-{arch}.zip"
    entry = (scoop.get("architecture") or {}).get(scoop_arch[arch], {})
    check(entry.get("url") == f"{base}/{zip_name}", f"scoop {arch}: URL {entry.get('url')}")
    check(str(entry.get("hash", "")).lower() == sha(zip_name), f"scoop {arch}: hash")
    update = ((scoop.get("autoupdate") or {}).get("architecture") or {}).get(scoop_arch[arch], {})
    check(update.get("url") == url.replace("{version}", "$version") + f"/tintwell-$version-windows-{arch}.zip",
          f"scoop {arch}: autoupdate URL {update.get('url')}")
check(scoop.get("bin") == ("tintwell-cli.exe" if all(cli.values()) else None), f"scoop: bin {scoop.get('bin')}")
check(["tintwell.exe", "Tintwell"] in (scoop.get("shortcuts") or []), "scoop: no Start-menu shortcut")
check((scoop.get("checkver") or {}).get("regex"), "scoop: checkver has no regex")
check("SHA256SUMS" in str((scoop.get("autoupdate") or {}).get("hash")), "scoop: autoupdate takes no hash")
pre = "\n".join(scoop.get("pre_install") or [])
check('$dir\\portable' in pre, "scoop: pre_install makes no portable marker")
for name in ("settings.ini", "history.txt", "formats.txt"):
    check(name in pre and name in "\n".join(scoop.get("pre_uninstall") or []),
          f"scoop: {name} is not carried over to the next version")

for failure in failures:
    print("FAIL:", failure)
if failures:
    sys.exit(1)
print(f"the manifests of {version} ({', '.join(arches)}) are whole and match the files")
EOF
