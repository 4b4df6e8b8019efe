"""Text file benchmark in Python: write 10,000 lines, read them back one by one and take each
apart, as files.vl does. Works in $FILEBENCH_DIR."""
import os


def main():
    os.chdir(os.environ["FILEBENCH_DIR"])
    with open("lines.txt", "w") as f:
        for i in range(1, 10001):
            f.write(f"line {i} value={i * 7 % 1000} of the text file benchmark\n")
    read = total = 0
    with open("lines.txt") as f:
        for line in f:
            rest = line[line.index("=") + 1:]
            total += int(rest[:rest.index(" ")])
            read += 1
    print(read, total)


if __name__ == "__main__":
    main()
