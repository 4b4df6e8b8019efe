"""Strings benchmark in Python: the same 20,000 turns of text work as strings.vl."""


def copy_var(text, start, count):
    # COPYVAR: count characters from the 1-based start; -1 takes the last count characters.
    count = max(count, 1)
    if start == -1:
        return text[max(len(text) - count, 0):]
    if start == 0:
        return ""
    begin = max(start - 1, 0)
    return text[begin:begin + count]


def main():
    base = "   the quick brown fox jumps over the lazy dog, turn "
    total = 0
    long_texts = 0
    r = ""
    for i in range(1, 20001):
        s = base + str(i) + "  "
        t = s.strip(" ")
        u = t.upper()
        low = u.lower()
        p = low.find("fox") + 1
        a = copy_var(low, 1, p - 1)
        b = copy_var(low, p + 3, 100)
        r = a + "cat" + b
        n = len(r)
        total += n
        total += len(copy_var(r, -1, 3))
        if n > 54:
            long_texts += 1
    print(total, long_texts, r)


if __name__ == "__main__":
    main()
