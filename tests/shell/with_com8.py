#!/usr/bin/env python3
"""Runs a command while COM8 of a Wine prefix is a pseudo-terminal.

    with_com8.py PREFIX COMMAND [ARGS...]

Links PREFIX/dosdevices/com8 to the receiver side of a fresh pseudo-terminal
in raw mode (nobody writes the other side, so the port opens and stays
silent), runs COMMAND, then puts back whatever com8 was before. Exit status:
the command's own.
"""

import os
import pty
import subprocess
import sys
import tty
from pathlib import Path

SOURCE_DIR = Path(__file__).resolve().parents[2]


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    prefix = Path(sys.argv[1])
    command = sys.argv[2:]
    dosdevices = prefix / "dosdevices"
    if not dosdevices.is_dir():  # a new build tree: make the prefix first
        subprocess.run([str(SOURCE_DIR / "scripts" / "wine-run.sh"), f"--prefix={prefix}", "cmd", "/c", "exit"],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    com8 = dosdevices / "com8"
    previous = os.readlink(com8) if com8.is_symlink() else None

    master, slave = pty.openpty()
    tty.setraw(slave)  # no echo, no line-end translation
    if com8.is_symlink() or com8.exists():
        com8.unlink()
    com8.symlink_to(os.ttyname(slave))
    try:
        # The command's output goes straight to ours (no pipe that Wine's
        # helper processes could keep open).
        return subprocess.run(command, stdin=subprocess.DEVNULL).returncode
    finally:
        if com8.is_symlink():
            com8.unlink()
        if previous is not None:
            com8.symlink_to(previous)
        os.close(master)
        os.close(slave)


if __name__ == "__main__":
    sys.exit(main())
