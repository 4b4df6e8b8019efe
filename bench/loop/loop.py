"""Loop benchmark: count to 100000, building and measuring a text each time."""


def main():
    i = 0
    last = 0
    while i < 100000:
        i += 1
        s = "item " + str(i)
        n = len(s)
        if n < 10:
            last = i
    print(last, i)


if __name__ == "__main__":
    main()
