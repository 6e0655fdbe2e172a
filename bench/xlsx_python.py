#!/usr/bin/python3
# The comparison of the .xlsx export: Python's xlsxwriter (Debian's
# python3-xlsxwriter) writing the same cells from the export's columns
# (anagrafica.tsv) in constant-memory mode: a bold, frozen header with an
# autofilter, a "gg/mm/aaaa" text as a date, everything else as text.
#   xlsx_python.py TSV XLSX
import datetime
import re
import sys

import xlsxwriter

DATE = re.compile(r"^(\d\d)/(\d\d)/(\d\d\d\d)$")

book = xlsxwriter.Workbook(sys.argv[2], {"constant_memory": True})
sheet = book.add_worksheet("Anagrafica")
bold = book.add_format({"bold": True})
date = book.add_format({"num_format": "dd/mm/yyyy"})
row = 0
columns = 0
with open(sys.argv[1], encoding="utf-8") as table:
    for line in table:
        cells = line.rstrip("\n").split("\t")
        columns = max(columns, len(cells))
        for column, cell in enumerate(cells):
            if not cell:
                continue
            if row == 0:
                sheet.write_string(row, column, cell, bold)
                continue
            found = DATE.match(cell)
            if found:
                try:
                    when = datetime.date(int(found[3]), int(found[2]), int(found[1]))
                    sheet.write_datetime(row, column, datetime.datetime.combine(when, datetime.time()), date)
                    continue
                except ValueError:
                    pass
            sheet.write_string(row, column, cell)
        if row == 0:
            sheet.freeze_panes(1, 0)
        row += 1
sheet.autofilter(0, 0, max(row - 1, 0), max(columns - 1, 0))
book.close()
