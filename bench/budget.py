"""Prints the benchmark figures, each beside its budget, and the verdict.
A row is (figure, value, budget or None, unit); a figure with a budget that
is below zero is no measurement (the program did not run) and counts as
missed. Returns the exit status: 1 when a budget was missed."""


def report(rows):
    failed = 0
    width = max(len(r[0]) for r in rows)
    for figure, value, budget, unit in rows:
        verdict = ""
        if budget is not None:
            ok = 0 <= value <= budget
            failed += not ok
            verdict = f"budget {budget:g} {unit}  {'ok' if ok else 'MISSED'}"
        print(f"{figure:<{width}}  {value:9.3f} {unit:2}  {verdict}")
    print(f"{len([r for r in rows if r[2] is not None]) - failed} within budget, {failed} missed")
    return 1 if failed else 0
