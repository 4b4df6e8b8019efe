"""Subroutines benchmark in Python: 300 variables in a table, then 20,000 turns calling add
(which calls deep on one turn in seven) and scale, as subs.vl does."""

v = {k: f"v{k}." for k in range(1, 301)}
state = {"sum": 0, "deep": 0, "scaled": 0, "d": ""}


def deep(i):
    state["deep"] += 1
    state["d"] = v[7] + v[77] + str(i)


def add(i):
    if i % 7 == 0:
        deep(i)
    j = v[1] + v[50] + v[100] + v[150] + v[200] + v[250] + v[300]
    state["sum"] += len(j)


def scale(i):
    state["scaled"] += i * 3 % 1000


def main():
    for i in range(1, 20001):
        add(i)
        scale(i)
    print(state["sum"], state["deep"], state["scaled"])


if __name__ == "__main__":
    main()
