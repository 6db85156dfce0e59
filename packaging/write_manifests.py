#!/usr/bin/env python3
"""Writes the package managers' manifests for the release in DIR, from its files.

    write_manifests.py DIR VERSION RELEASE_URL HOMEPAGE [ARCH...]

DIR holds the release: tintwell-VERSION-windows-ARCH.zip and tintwell-VERSION-ARCH.msi
for each ARCH (x86_64, x86; both unless named). RELEASE_URL is where those files are served from,
with "{version}" where the version goes (https://host/releases/v{version}, say);
HOMEPAGE is the page that names the latest release, which Scoop's checkver reads.

Written beside the release:
  winget/manifests/t/Tintwell/Tintwell/VERSION/  winget's multi-file manifest: the
      version, the default locale and the installers (the MSI as wix, per user; the zip
      as zip with the programs as portable nested files)
  scoop/tintwell.json                            Scoop's manifest (the zip)

Every hash is the file's own SHA256, and what the zips hold is read from them, so
that the console program is named only where it is packed.
"""
import hashlib
import json
import os
import re
import subprocess
import sys
import zipfile

PACKAGE_ID = "Tintwell.Tintwell"
PUBLISHER = "Tintwell"
WINGET_SCHEMA = "1.6.0"
# One for every Tintwell package, of both architectures (cmake/package_msi.cmake).
UPGRADE_CODE = "{14464440-0356-4436-BBDB-029A32DC146E}"
ARCHES = (("x86_64", "x64", "64bit"), ("x86", "x86", "32bit"))
CLI = "tintwell-cli.exe"
# What the picker keeps beside itself in portable mode.
KEPT_FILES = ("settings.ini", "history.txt", "formats.txt")


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 16), b""):
            digest.update(block)
    return digest.hexdigest().upper()


def product_code(msi):
    """The package's ProductCode, from its Property table."""
    table = subprocess.run(["msiinfo", "export", msi, "Property"], check=True,
                           capture_output=True, text=True).stdout
    for line in table.splitlines():
        name, _, value = line.partition("\t")
        if name == "ProductCode":
            return value.strip()
    raise SystemExit(f"{msi} names no ProductCode")


def quoted(text):
    """A YAML double-quoted scalar (JSON's string syntax is a subset of it)."""
    return json.dumps(text, ensure_ascii=False)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path + ".part", "w", encoding="utf-8", newline="\n") as file:
        file.write(text)
    os.replace(path + ".part", path)


def main(argv):
    if len(argv) < 5:
        raise SystemExit(__doc__)
    folder, version, release_url, homepage = argv[1:5]
    wanted = argv[5:] or [arch for arch, _, _ in ARCHES]
    for arch in wanted:
        if arch not in [known for known, _, _ in ARCHES]:
            raise SystemExit(f"{arch} is no architecture a release has")
    if not re.fullmatch(r"\d+\.\d+\.\d+", version):
        raise SystemExit(f"{version} is no release version")
    if "{version}" not in release_url:
        raise SystemExit("RELEASE_URL must hold {version}")
    base = release_url.replace("{version}", version).rstrip("/")

    packages = []
    for arch, winget_arch, scoop_arch in ARCHES:
        if arch not in wanted:
            continue
        zip_name = f"tintwell-{version}-windows-{arch}.zip"
        msi_name = f"tintwell-{version}-{arch}.msi"
        zip_path = os.path.join(folder, zip_name)
        msi_path = os.path.join(folder, msi_name)
        for path in (zip_path, msi_path):
            if not os.path.isfile(path):
                raise SystemExit(f"{path} is missing")
        with zipfile.ZipFile(zip_path) as archive:
            names = set(archive.namelist())
        if "tintwell.exe" not in names:
            raise SystemExit(f"{zip_name} holds no tintwell.exe")
        packages.append({
            "arch": arch, "winget": winget_arch, "scoop": scoop_arch,
            "zip": zip_name, "zip_sha": sha256(zip_path), "cli": CLI in names,
            "msi": msi_name, "msi_sha": sha256(msi_path), "product": product_code(msi_path),
        })
    with_cli = all(p["cli"] for p in packages)

    header = "# Written by scripts/release.sh (packaging/write_manifests.py).\n"
    winget = os.path.join(folder, "winget", "manifests", "t", "Tintwell", "Tintwell", version)
    common = f"PackageIdentifier: {PACKAGE_ID}\nPackageVersion: {version}\n"
    write(os.path.join(winget, f"{PACKAGE_ID}.yaml"),
          f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.version.{WINGET_SCHEMA}.schema.json\n"
          + header + common +
          "DefaultLocale: en-US\nManifestType: version\n"
          f"ManifestVersion: {WINGET_SCHEMA}\n")
    write(os.path.join(winget, f"{PACKAGE_ID}.locale.en-US.yaml"),
          f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.defaultLocale.{WINGET_SCHEMA}.schema.json\n"
          + header + common +
          "PackageLocale: en-US\n"
          f"Publisher: {PUBLISHER}\n"
          f"PublisherUrl: {quoted(homepage)}\n"
          "PackageName: Tintwell\n"
          f"PackageUrl: {quoted(homepage)}\n"
          "License: MIT\n"
          "ShortDescription: A small colour picker for Windows, with a console picker for scripts.\n"
          "Description: >-\n"
          "  Tintwell picks colours from a colour table or from anywhere on the screen and\n"
          "  copies them in fifteen formats or the user's own templates. Its interface is\n"
          "  Japanese.\n"
          "Moniker: tintwell\n"
          "Tags:\n  - color-picker\n  - colour-picker\n  - eyedropper\n"
          "ManifestType: defaultLocale\n"
          f"ManifestVersion: {WINGET_SCHEMA}\n")
    installers = []
    for p in packages:
        installers.append(
            f"  - Architecture: {p['winget']}\n"
            "    InstallerType: wix\n"
            "    Scope: user\n"
            f"    InstallerUrl: {quoted(base + '/' + p['msi'])}\n"
            f"    InstallerSha256: {p['msi_sha']}\n"
            f"    ProductCode: {quoted(p['product'])}\n"
            "    AppsAndFeaturesEntries:\n"
            "      - DisplayName: Tintwell\n"
            f"        Publisher: {PUBLISHER}\n"
            f"        DisplayVersion: {version}\n"
            f"        ProductCode: {quoted(p['product'])}\n"
            f"        UpgradeCode: {quoted(UPGRADE_CODE)}\n")
        nested = "      - RelativeFilePath: tintwell.exe\n"
        if p["cli"]:
            nested += f"      - RelativeFilePath: {CLI}\n        PortableCommandAlias: tintwell-cli\n"
        # A portable command is started through a link in winget's own folder: the
        # programs load dyeplate.dll from beside the real file only with this set.
        installers.append(
            f"  - Architecture: {p['winget']}\n"
            "    InstallerType: zip\n"
            "    NestedInstallerType: portable\n"
            "    NestedInstallerFiles:\n" + nested +
            "    ArchiveBinariesDependOnPath: true\n"
            f"    InstallerUrl: {quoted(base + '/' + p['zip'])}\n"
            f"    InstallerSha256: {p['zip_sha']}\n")
    write(os.path.join(winget, f"{PACKAGE_ID}.installer.yaml"),
          f"# yaml-language-server: $schema=https://aka.ms/winget-manifest.installer.{WINGET_SCHEMA}.schema.json\n"
          + header + common +
          "MinimumOSVersion: 10.0.0.0\n"
          "Installers:\n" + "".join(installers) +
          "ManifestType: installer\n"
          f"ManifestVersion: {WINGET_SCHEMA}\n")

    # Scoop replaces the app's folder at each update. Its "persist" keeps a file as a
    # hard link, which the picker's whole-file writes (a new file renamed over the old)
    # would leave behind, and makes a folder where no file is yet, where the picker
    # would take an empty file for a switched-on setting. So the kept files are copied
    # in at install and back out at uninstall and update (one that is gone, the setting
    # switched off, goes from the kept ones too), and the marker that turns portable
    # mode on, which is not in the zip, is made at install.
    kept = ", ".join(f"'{name}'" for name in KEPT_FILES)
    keep_folder = "$keep = if ($persist_dir) { $persist_dir } else { persistdir $app $global }"
    scoop = {
        "version": version,
        "description": "A small colour picker for Windows (Japanese interface)"
                       + (", with a console picker for scripts" if with_cli else ""),
        "homepage": homepage,
        "license": "MIT",
        "notes": "Settings, history and templates are kept beside the program (portable mode) "
                 "and carried over to each update.",
        "architecture": {
            p["scoop"]: {"url": f"{base}/{p['zip']}", "hash": p["zip_sha"].lower()}
            for p in packages
        },
        "pre_install": [
            "New-Item -ItemType File -Force -Path \"$dir\\portable\" | Out-Null",
            keep_folder,
            f"foreach ($name in {kept}) {{",
            "    $kept = Join-Path $keep $name",
            "    if (Test-Path -LiteralPath $kept -PathType Leaf) {"
            " Copy-Item -LiteralPath $kept -Destination \"$dir\\$name\" -Force }",
            "}",
        ],
        "pre_uninstall": [
            keep_folder,
            "New-Item -ItemType Directory -Force -Path $keep | Out-Null",
            f"foreach ($name in {kept}) {{",
            "    $kept = Join-Path $keep $name",
            "    if (Test-Path -LiteralPath \"$dir\\$name\" -PathType Leaf) {"
            " Copy-Item -LiteralPath \"$dir\\$name\" -Destination $kept -Force }",
            "    else { Remove-Item -LiteralPath $kept -Force -ErrorAction SilentlyContinue }",
            "}",
        ],
        "shortcuts": [["tintwell.exe", "Tintwell"]],
        "checkver": {
            "url": homepage,
            "regex": r"tintwell-([\d.]+)-windows-x86_64\.zip",
        },
        "autoupdate": {
            "architecture": {
                p["scoop"]: {
                    "url": release_url.replace("{version}", "$version").rstrip("/")
                           + f"/tintwell-$version-windows-{p['arch']}.zip"
                } for p in packages
            },
            "hash": {"url": "$baseurl/SHA256SUMS", "regex": "$sha256\\s+$basename"},
        },
    }
    if with_cli:
        scoop["bin"] = CLI
    write(os.path.join(folder, "scoop", "tintwell.json"),
          json.dumps(scoop, indent=4, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main(sys.argv)
