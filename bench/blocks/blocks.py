"""Block IF benchmark in Python: the same 20,000 turns of an if / elif / else as blocks.vl."""


def main():
    a = b = c = d = 0
    for i in range(1, 20001):
        k = i % 10
        if k == 0:
            a += 1
            s = "turn " + str(i)
            n = len(s)
            u = s.upper()
            if n > 9:
                b += 1
            a += n
        elif k < 5:
            c += 1
        else:
            d += 1
    print(a, b, c, d)


if __name__ == "__main__":
    main()
