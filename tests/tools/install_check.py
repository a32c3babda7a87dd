#!/usr/bin/env python3
"""Checks what `cmake --install` and the Debian package put on a system.

install_check.py staging BUILD_DIR   installs into a DESTDIR under a temporary
                                     folder and checks the tree
install_check.py package BUILD_DIR   builds the package with CPack into a
                                     temporary folder and checks that it holds
                                     the same files as the staging install
Everything is written under the temporary folder, removed at the end: the
install runs a copy of the build's install script whose install manifest goes
there too, where `cmake --install` and CPack would write it into BUILD_DIR.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

PREFIX = "/usr"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
EXPECTED = [
    "usr/bin/qx73b-editor",
    "usr/bin/qx73b-sim",
    "usr/lib/udev/rules.d/70-qx73b-editor.rules",
    "usr/share/applications/qx73b-editor.desktop",
] + [f"usr/share/icons/hicolor/{s}x{s}/apps/qx73b-editor.png" for s in ICON_SIZES]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs)


def files_under(root):
    found = set()
    for folder, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(folder, name), root))
    return found


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def install_script(build, temp):
    """A folder holding the build's install script, changed only to write its manifest there."""
    folder = os.path.join(temp, "script")
    if os.path.exists(folder):
        return folder
    with open(os.path.join(build, "cmake_install.cmake"), encoding="utf-8") as f:
        text = f.read()
    manifest = f'file(WRITE "{build}/${{CMAKE_INSTALL_MANIFEST}}"'
    if text.count(manifest) != 1:
        raise RuntimeError(f"the install script does not write its manifest as {manifest}")
    os.mkdir(folder)
    with open(os.path.join(folder, "cmake_install.cmake"), "w", encoding="utf-8") as f:
        f.write(text.replace(manifest, f'file(WRITE "{folder}/${{CMAKE_INSTALL_MANIFEST}}"'))
    return folder


def stage(build, temp):
    root = os.path.join(temp, "stage")
    script = os.path.join(install_script(build, temp), "cmake_install.cmake")
    # What `cmake --install BUILD --prefix PREFIX` runs.
    run(["cmake", f"-DCMAKE_INSTALL_PREFIX={PREFIX}", "-P", script], env=dict(os.environ, DESTDIR=root), cwd=temp)
    found = files_under(root)
    for path in EXPECTED:
        check(path in found, f"the staging install lacks {path}")
    check(found == set(EXPECTED), f"the staging install holds other files: {sorted(found - set(EXPECTED))}")
    for program in ("usr/bin/qx73b-editor", "usr/bin/qx73b-sim"):
        check(os.access(os.path.join(root, program), os.X_OK), f"{program} is not executable")
    for size in ICON_SIZES:
        icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/qx73b-editor.png")
        if os.path.exists(icon):
            check(png_size(icon) == (size, size), f"the {size}px icon is {png_size(icon)}")
    entry = os.path.join(root, "usr/share/applications/qx73b-editor.desktop")
    if os.path.exists(entry):
        result = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        check(result.returncode == 0 and not result.stdout.strip(),
              f"desktop-file-validate: {result.stdout}{result.stderr}")
        with open(entry, encoding="utf-8") as f:
            text = f.read()
        check("Exec=qx73b-editor\n" in text and "Icon=qx73b-editor\n" in text,
              "the desktop entry starts the installed program with its icon")
    return found


def package(build, temp):
    staged = stage(build, temp)
    out = os.path.join(temp, "package")
    config = os.path.join(build, "CPackConfig.cmake")
    with open(config, encoding="utf-8") as f:
        projects = re.search(r'set\(CPACK_INSTALL_CMAKE_PROJECTS "([^"]*)"\)', f.read())
    check(projects is not None, "CPackConfig.cmake names no project to install")
    if projects is None:
        return
    fields = projects.group(1).split(";")
    fields[0] = install_script(build, temp)
    # gzip: the check does not need the smaller file that xz takes long to make.
    run(["cpack", "--config", config, "-B", out, "-D", "CPACK_DEBIAN_COMPRESSION_TYPE=gzip",
         "-D", "CPACK_INSTALL_CMAKE_PROJECTS=" + ";".join(fields)], cwd=temp)
    debs = [n for n in os.listdir(out) if n.endswith(".deb")]
    check(len(debs) == 1, f"one package is built: {debs}")
    if not debs:
        return
    deb = os.path.join(out, debs[0])
    listing = run(["dpkg-deb", "-c", deb]).stdout.splitlines()
    files = set()
    for line in listing:
        fields = line.split()
        if line.startswith("-"):
            files.add(os.path.normpath(fields[5]))
    check(files == staged, f"dpkg-deb -c lists {sorted(files ^ staged)} differently from the staging install")
    fields = {}
    for key in ("Package", "Depends", "Architecture"):
        fields[key] = run(["dpkg-deb", "-f", deb, key]).stdout.strip()
    check(fields["Package"] == "qx73b-editor", f"package name {fields['Package']}")
    for needed in ("libqt6widgets6", "libhidapi-hidraw0", "libudev1", "fonts-liberation"):
        check(needed in fields["Depends"], f"Depends lacks {needed}: {fields['Depends']}")
    control = run(["dpkg-deb", "-I", deb]).stdout
    check("postinst" in control, "the package reloads the udev rules after install")


def build_tree_state(build):
    """The names and times of the files an install or a package run would leave in the build folder."""
    state = {}
    for name in os.listdir(build):
        if name.startswith("install_manifest") or name in ("_CPack_Packages", ".ninja_log"):
            state[name] = os.stat(os.path.join(build, name)).st_mtime_ns
    return state


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("staging", "package"):
        print(__doc__, file=sys.stderr)
        return 2
    build = os.path.abspath(sys.argv[2])
    before = build_tree_state(build)
    temp = tempfile.mkdtemp(prefix="qx-install-")
    try:
        (stage if sys.argv[1] == "staging" else package)(build, temp)
    except subprocess.CalledProcessError as e:
        failures.append(f"{' '.join(e.cmd)} failed ({e.returncode}):\n{e.stdout}\n{e.stderr}")
    except RuntimeError as e:
        failures.append(str(e))
    finally:
        shutil.rmtree(temp, ignore_errors=True)
    check(build_tree_state(build) == before, "the check wrote into the build folder")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
