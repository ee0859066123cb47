#!/usr/bin/env python3
"""Builds data/standard_foods.csv from the USDA SR24 extract and the hand-written selection.

The selection (data/selection/*.csv, one file per range of groups) names, for every FoodId, the
USDA food it is taken from, its display name, the USDA household measure that makes one serving,
the portion text shown in brackets, and the food-pyramid and generator-portion words. This script
takes the USDA values in the program's units and scale factors from the core's conversion (built as
tools/usda_table_codegen) and checks everything it can.

Usage (after cmake --build build-release --target usda_table_codegen):
    tools/build_food_table.py            rebuild data/standard_foods.csv
    tools/build_food_table.py --check F  check one selection file on its own (no output written)
"""
import argparse
import csv
import glob
import os
import re
import subprocess
import sys
from decimal import Decimal, ROUND_HALF_UP

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
USDA_FOODS = os.path.join(ROOT, "data", "usda", "usda-sr24-foods.csv")
USDA_MEASURES = os.path.join(ROOT, "data", "usda", "usda-sr24-measures.csv")
SELECTION_GLOB = os.path.join(ROOT, "data", "selection", "*.csv")
OUTPUT = os.path.join(ROOT, "data", "standard_foods.csv")
CANDIDATE_KINDS = os.path.join(ROOT, "tests", "data", "candidate_kinds.csv")
# The USDA values are converted by the core's own code, built as this tool, so the table and the program agree.
DEFAULT_CONVERTER = os.path.join(ROOT, "build-release", "tools", "usda_table_codegen")

FOOD_COUNT = 643

# (first FoodId, count) of the 30 standard food groups.
GROUP_RANGES = [
    (0, 19), (19, 26), (45, 8), (53, 11), (64, 13), (77, 10), (87, 28), (115, 6), (121, 9), (130, 43),
    (173, 16), (189, 52), (241, 36), (277, 29), (306, 13), (319, 34), (353, 12), (365, 27), (392, 20),
    (412, 15), (427, 16), (443, 43), (486, 20), (506, 53), (559, 11), (570, 8), (578, 15), (593, 20),
    (613, 20), (633, 10),
]

NUTRIENT_COLUMNS = [
    "calories", "protein", "carbohydrate", "total_fat", "saturated_fat", "monounsaturated_fat",
    "polyunsaturated_fat", "cholesterol", "fiber", "vitamin_a", "vitamin_e", "vitamin_c", "thiamin",
    "riboflavin", "niacin", "vitamin_b6", "folate", "vitamin_b12", "calcium", "phosphorus", "magnesium",
    "iron", "zinc", "copper", "sodium", "potassium", "alcohol",
]
PYRAMID_COLUMNS = ["pyr_sweets", "pyr_milk", "pyr_meat", "pyr_vegetable", "pyr_fruit", "pyr_bread",
                   "portion_class0", "portion_class1", "portion_class2"]
OUTPUT_HEADER = ["id", "group", "ndb", "name", "portion", "serving_g"] + NUTRIENT_COLUMNS + PYRAMID_COLUMNS
SELECTION_HEADER = ["id", "group", "ndb", "name", "amount", "measure", "portion"] + PYRAMID_COLUMNS

# Rows whose words the program's documentation quotes; they are kept exactly as quoted.
QUOTED_ROWS = {
    0: (244, [614, 329, 466, 334, 208, 97, 12, 136, 0, 31, 9, 0, 38, 162, 8, 42, 50, 36, 1194, 934, 134, 50, 38,
              10, 49, 152, 0]),
    26: (28, [3337, 2075, 45, 2768, 1741, 801, 83, 1000, 0, 182, 75, 0, 70, 520, 38, 235, 650, 165, 1840, 1880,
              200, 500, 238, 19, 629, 152, 0]),
    642: (100, [700, 20, 140, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 16, 7, 24, 11, 1, 80, 140, 100, 410, 7, 14, 8, 89,
                900]),
}
QUOTED_TEXT = {0: ("Milk", "1 cup"), 26: ("Cheese, Brie", "1 serving"), 642: ("Wine, table, dry", "1 wine glass")}
QUOTED_PYRAMID = {0: [0, 244, 0, 0, 0, 0, 195, 195, 244], 26: [0, 42, 0, 0, 0, 0, 28, 28, 28],
                  642: [0, 0, 0, 0, 0, 0, 50, 50, 100]}
ROW_200_PYRAMID = [0, 0, 200, 0, 0, 300]


class TableError(Exception):
    pass


def group_of(food_id):
    for group, (first, count) in enumerate(GROUP_RANGES):
        if first <= food_id < first + count:
            return group
    raise TableError(f"FoodId {food_id} lies in no group")


def round_half_up(value):
    return int(Decimal(value).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def load_usda():
    with open(USDA_FOODS, newline="", encoding="utf-8") as f:
        foods = {row["ndb"]: row for row in csv.DictReader(f)}
    measures = {}
    with open(USDA_MEASURES, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            measures.setdefault(row["ndb"], []).append(row)
    return foods, measures


def load_words(converter):
    """NDB -> the 27 nutrient words, as the core's USDA conversion gives them (tools/usda_table_codegen)."""
    try:
        listed = subprocess.run([converter, "--words", USDA_FOODS], check=True, capture_output=True, text=True).stdout
    except (OSError, subprocess.CalledProcessError) as e:
        raise TableError(f"{converter} could not convert the USDA values ({e}); build it first with "
                         "cmake --build build-release --target usda_table_codegen")
    words = {}
    for line in listed.splitlines():
        ndb, *rest = line.split(",")
        words[ndb] = rest
    return words


def usda_words(food, words):
    row = words[food["ndb"]]
    if row[0] == "refused":
        name = NUTRIENT_COLUMNS[int(row[1]) - 1]
        raise TableError(f"USDA {food['ndb']} {name} does not fit 0..65535: choose another food")
    return [int(w) for w in row]


def find_measure(measures, ndb, amount, measure):
    for row in measures.get(ndb, []):
        if row["measure"] == measure and Decimal(row["amount"]) == Decimal(amount):
            return row
    known = "; ".join(f"{r['amount']} {r['measure']} = {r['grams']} g" for r in measures.get(ndb, []))
    raise TableError(f"USDA {ndb} has no measure '{amount} {measure}' (it has: {known or 'none'})")


def read_selection(paths):
    rows = []
    for path in paths:
        with open(path, newline="", encoding="utf-8") as f:
            reader = csv.DictReader(f)
            if reader.fieldnames != SELECTION_HEADER:
                raise TableError(f"{path}: header must be {','.join(SELECTION_HEADER)}")
            for line, row in enumerate(reader, start=2):
                row["_where"] = f"{os.path.basename(path)}:{line}"
                rows.append(row)
    return rows


def build_row(sel, foods, measures, words):
    where = sel["_where"]
    food_id = int(sel["id"])
    if int(sel["group"]) != group_of(food_id):
        raise TableError(f"{where}: FoodId {food_id} belongs to group {group_of(food_id)}, not {sel['group']}")
    ndb = sel["ndb"].strip()
    if ndb not in foods:
        raise TableError(f"{where}: no USDA food {ndb}")
    name, portion = sel["name"].strip(), sel["portion"].strip()
    for text in (name, portion):
        if not text or any(c in text for c in '"[];') or not text.isprintable():
            raise TableError(f"{where}: name and portion must be non-empty, printable, without quotes, brackets, ';'")
    pyramid = [int(sel[c]) for c in PYRAMID_COLUMNS]
    usda = words
    if food_id in QUOTED_ROWS:
        serving, words = QUOTED_ROWS[food_id]
        if (name, portion) != QUOTED_TEXT[food_id] or pyramid != QUOTED_PYRAMID[food_id]:
            raise TableError(f"{where}: row {food_id} must read {QUOTED_TEXT[food_id]} with {QUOTED_PYRAMID[food_id]}")
    else:
        grams = Decimal(find_measure(measures, ndb, sel["amount"], sel["measure"])["grams"])
        serving = round_half_up(grams)
        words = usda_words(foods[ndb], usda)
    if not 1 <= serving <= 65535:
        raise TableError(f"{where}: serving weight {serving} g is outside 1..65535")
    if any(not 0 <= w <= 65535 for w in pyramid) or any(w == 0 for w in pyramid[6:]):
        raise TableError(f"{where}: pyramid words must fit 0..65535 and generator portions must not be 0")
    if food_id == 200 and pyramid[:6] != ROW_200_PYRAMID:
        raise TableError(f"{where}: row 200 counts 200 g per meat serving and 300 g per bread serving")
    return [food_id, int(sel["group"]), ndb, name, portion, serving] + words + pyramid


def candidate_kinds():
    """FoodId -> [(list, description, pattern)] for every FoodId a generator candidate list names."""
    kinds = {}
    with open(CANDIDATE_KINDS, newline="", encoding="utf-8") as f:
        for row in csv.DictReader(f):
            for part in row["ids"].split(","):
                first, _, last = part.partition("-")
                for food_id in range(int(first), int(last or first) + 1):
                    kinds.setdefault(food_id, []).append((row["list"], row["description"], row["pattern"]))
    return kinds


def check_kinds(table):
    errors = []
    for food_id, entries in candidate_kinds().items():
        row = table.get(food_id)
        for lst, description, pattern in entries if row else []:
            if not re.search(pattern, row[3], re.IGNORECASE):
                errors.append(f"FoodId {food_id} '{row[3]}' is on candidate list {lst} ({description}): "
                              f"its name must match /{pattern}/i")
    return errors


def build(rows, foods, measures, words, complete):
    table, errors = {}, []
    for sel in rows:
        try:
            row = build_row(sel, foods, measures, words)
        except (TableError, ValueError, KeyError) as e:
            errors.append(str(e) if isinstance(e, TableError) else f"{sel['_where']}: {e!r}")
            continue
        if row[0] in table:
            errors.append(f"{sel['_where']}: FoodId {row[0]} appears twice")
        table[row[0]] = row
    names = {}
    for row in table.values():
        key = row[3].lower()
        if key in names:
            errors.append(f"name '{row[3]}' is used by FoodIds {names[key]} and {row[0]}")
        names[key] = row[0]
    errors += check_kinds(table)
    if complete:
        missing = [i for i in range(FOOD_COUNT) if i not in table]
        if missing:
            errors.append(f"missing FoodIds: {missing}")
    if errors:
        raise TableError("\n".join(errors))
    return [table[i] for i in sorted(table)]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", metavar="SELECTION", help="check one selection file; write nothing")
    parser.add_argument("--converter", default=DEFAULT_CONVERTER,
                        help="the built tools/usda_table_codegen (default: %(default)s)")
    args = parser.parse_args()
    foods, measures = load_usda()
    try:
        words = load_words(args.converter)
        if args.check:
            rows = build(read_selection([args.check]), foods, measures, words, complete=False)
            print(f"{args.check}: {len(rows)} rows are valid")
            return 0
        rows = build(read_selection(sorted(glob.glob(SELECTION_GLOB))), foods, measures, words, complete=True)
    except TableError as e:
        print(e, file=sys.stderr)
        return 1
    with open(OUTPUT, "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(OUTPUT_HEADER)
        writer.writerows(rows)
    print(f"wrote {OUTPUT}: {len(rows)} foods")
    return 0


if __name__ == "__main__":
    sys.exit(main())
