"""File benchmark in Python: write 2,000 lines, read them back line by line, then copy 500 small
files, find them and delete them. Works in $FILEBENCH_DIR; $FILEBENCH_PARTS may name the parts to
run (default: all five). Prints the lines read, the files found and the files left."""
import glob
import os
import shutil

os.chdir(os.environ["FILEBENCH_DIR"])
parts = os.environ.get("FILEBENCH_PARTS", "write read copy find delete").split()
read = found = left = "-"

if "write" in parts:
    with open("lines.txt", "w") as f:
        for i in range(1, 2001):
            f.write(f"line {i} of the file benchmark, with some words to fill it\n")
    with open("small.txt", "w") as f:
        f.write("a small file\n")

if "read" in parts:
    read = 0
    with open("lines.txt") as f:
        for line in f:
            if line.rstrip("\n"):
                read += 1

if "copy" in parts:
    os.makedirs("copies", exist_ok=True)
    for i in range(1, 501):
        shutil.copyfile("small.txt", f"copies/file{i}.txt")

if "find" in parts:
    found = len(glob.glob("copies/*.txt"))

if "delete" in parts:
    for path in glob.glob("copies/file*.txt"):
        os.remove(path)
    left = len(glob.glob("copies/file*"))
    os.rmdir("copies")

print(read, found, left)
