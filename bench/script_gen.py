#!/usr/bin/env python3
# bench/script_gen.py
# Writes a clean test script of about LINES lines and its interface header
# for the whole-run benchmark: scenarios of 20 to 50 statements mixing
# CALLs of C functions with expected values, WAITTILs, VARs with
# aggregates, DEF_MESSAGEs, SENDs and PAUSEs, under families.
# Usage: bench/script_gen.py LINES SCRIPT HEADER [distinct]
# The values repeat, as in written scripts; with "distinct" every values
# text differs (the worst case for the compiler, which checks a text met
# again only once).
import itertools
import random
import sys

lines_wanted, script, header = int(sys.argv[1]), sys.argv[2], sys.argv[3]
distinct = len(sys.argv) > 4 and sys.argv[4] == "distinct"
rng = random.Random(15)
running = itertools.count()


def value(i, period):
    """A number of a values text: i modulo period, or one never used before."""
    return next(running) if distinct else i % period

with open(header, "w") as h:
    h.write("""enum colour { RED, AMBER, GREEN = 4 };
struct lamp { unsigned short id; enum colour c; unsigned int secs; };
struct report { int n; struct lamp lamps[4]; };
int reset(int hard);
int set_lamp(int id, int colour);
long elapsed(void);
struct report status;
int counter;
""")

out = ['HEADER "bench", "1.0", "2026-12-07"',
       "COMMTYPE bus IS int",
       "CHANNEL bus : link0, link1",
       "MESSAGE lamp : order, answer",
       "MESSAGE report : full",
       "CALLBACK lamp : rcv ON bus : cnx",
       "  IF (cnx < 0) THEN",
       "    NO_MESSAGE",
       "  END IF",
       "  MESSAGE_DATE",
       "END CALLBACK",
       "CALLBACK report : rcv ON bus : cnx",
       "  NO_MESSAGE",
       "  MESSAGE_DATE",
       "END CALLBACK",
       "PROCSEND lamp : msg ON bus : cnx",
       "  COMMENT sent as it is",
       "END PROCSEND",
       "PROC check(int level)",
       "  PRINT trace, level",
       "END PROC",
       "INITIALIZATION",
       "  CALL reset(1) @ 0",
       "END INITIALIZATION"]

statements = [
    lambda i: "CALL set_lamp(%d, GREEN) @ 0" % (i % 4),
    lambda i: "CALL elapsed() @ %d" % i,
    lambda i: "VAR order, INIT={id => %d, c => AMBER, OTHERS => 0}" % value(i, 100),
    lambda i: "VAR status, EV={n => %d, lamps => {0..1 => {c => RED, OTHERS => 0}, OTHERS => {id => 0, c => GREEN, secs => [1..9]}}}" % value(i, 5),
    lambda i: "DEF_MESSAGE answer, EV={id => %d, c => GREEN, secs => [10..30]}" % value(i, 100),
    lambda i: "SEND(order, link%d)" % (i % 2),
    lambda i: "WAITTIL(MATCHED(answer, link%d) && counter > %d, WTIME == 500)" % (i % 2, i % 7),
    lambda i: "VAR counter, EV=%d" % value(i, 9),
    lambda i: "CALL check(RED)",
    lambda i: "PAUSE %d" % (10 + i % 90),
]

n = 0
while len(out) < lines_wanted - 3:
    out.append("SCENARIO group%d" % n)
    out.append("FAMILY f%d, all" % (n % 3))
    for k in range(4):
        out.append("  SCENARIO s%d" % k)
        for i in range(rng.randint(20, 50)):
            out.append("    " + statements[rng.randrange(len(statements))](i))
        out.append("  END SCENARIO")
    out.append("END SCENARIO")
    n += 1
out.append("TERMINATION check(GREEN)")

with open(script, "w") as s:
    s.write("\n".join(out) + "\n")
print(len(out))
