"""Reads a workbook back for the tests: its cells through xlrd, and the layout
of its Workbook stream (record sizes, stream pointers) checked independently.

usage: read_xls.py PATH [--formatting]   prints one JSON object
       read_xls.py PATH --container      only the Workbook stream's size and MD5
"""
import hashlib
import json
import struct
import sys

import xlrd
from xlrd import compdoc

BOF, EOF, BOUNDSHEET, SST, CONTINUE, EXTSST = 0x0809, 0x000A, 0x0085, 0x00FC, 0x003C, 0x00FF
INDEX, DEFCOLWIDTH, ROW, DBCELL = 0x020B, 0x0055, 0x0208, 0x00D7
CELL_RECORDS = {0x00FD, 0x0203, 0x027E, 0x00BD, 0x0201}
CELL_RECORD_NAMES = {0x00FD: 'LABELSST', 0x0203: 'NUMBER', 0x027E: 'RK', 0x00BD: 'MULRK', 0x0201: 'BLANK'}
MAX_RECORD_DATA = 8224


class Layout:
    def __init__(self, stream):
        self.stream = stream
        self.problems = []
        self.records = []
        self.at = {}
        pos = 0
        while pos + 4 <= len(stream):
            kind, length = struct.unpack_from('<HH', stream, pos)
            if length > MAX_RECORD_DATA:
                self.problem('record 0x%04X at %d has %d bytes' % (kind, pos, length))
            self.at[pos] = len(self.records)
            self.records.append((pos, kind, length))
            pos += 4 + length
        if pos != len(stream):
            self.problem('stream does not end on a record boundary')

    def problem(self, text):
        self.problems.append(text)

    def kind_at(self, pos):
        index = self.at.get(pos)
        return None if index is None else self.records[index][1]

    def data(self, index):
        pos, _, length = self.records[index]
        return self.stream[pos + 4:pos + 4 + length]

    def count(self, kind):
        return sum(1 for _, k, _ in self.records if k == kind)

    def check(self):
        if not self.records or self.records[0][1] != BOF or struct.unpack_from('<H', self.data(0), 2)[0] != 5:
            self.problem('stream does not start with the globals BOF')
        if self.records and self.records[-1][1] != EOF:
            self.problem('stream does not end with EOF')
        for i, (_, kind, _) in enumerate(self.records):
            if kind == BOUNDSHEET:
                offset = struct.unpack_from('<I', self.data(i))[0]
                if self.kind_at(offset) != BOF:
                    self.problem('BOUNDSHEET points at %d, not at a BOF' % offset)
            elif kind == INDEX:
                self.check_index(i)
            elif kind == SST:
                self.check_sst(i)

    def check_index(self, i):
        data = self.data(i)
        _, first_row, end_row, defcolwidth = struct.unpack_from('<4I', data)
        if self.kind_at(defcolwidth) != DEFCOLWIDTH:
            self.problem('INDEX does not point at DEFCOLWIDTH')
        dbcells = struct.unpack_from('<%dI' % ((len(data) - 16) // 4), data, 16)
        if len(dbcells) != self.count(DBCELL):
            self.problem('INDEX lists %d DBCELLs, the sheet has %d' % (len(dbcells), self.count(DBCELL)))
        rows = [struct.unpack_from('<H', self.data(j))[0] for j, r in enumerate(self.records) if r[1] == ROW]
        if rows and (first_row != rows[0] or end_row != rows[-1] + 1):
            self.problem('INDEX row range %d..%d, rows are %d..%d' % (first_row, end_row, rows[0], rows[-1] + 1))
        for pos in dbcells:
            if self.kind_at(pos) != DBCELL:
                self.problem('INDEX entry %d is not a DBCELL' % pos)
            else:
                self.check_dbcell(self.at[pos])

    def check_dbcell(self, i):
        pos = self.records[i][0]
        data = self.data(i)
        first_row = pos - struct.unpack_from('<I', data)[0]
        if self.kind_at(first_row) != ROW:
            self.problem('DBCELL at %d does not point at a ROW' % pos)
            return
        offsets = struct.unpack_from('<%dH' % ((len(data) - 4) // 2), data, 4)
        row_index = self.at[first_row]
        cell = first_row + 20
        for n, offset in enumerate(offsets):
            row_record = row_index + n
            if self.records[row_record][1] != ROW:
                self.problem('DBCELL at %d lists more rows than its block has' % pos)
                return
            row = struct.unpack_from('<H', self.data(row_record))[0]
            cell += offset
            if self.kind_at(cell) not in CELL_RECORDS or struct.unpack_from('<H', self.stream, cell + 4)[0] != row:
                self.problem('DBCELL at %d: row %d does not start where it says' % (pos, row))

    def check_sst(self, i):
        segments = []
        j = i
        while j == i or self.records[j][1] == CONTINUE:
            pos, _, length = self.records[j]
            segments.append((pos + 4, pos + 4 + length))
            j += 1
        total, unique = struct.unpack_from('<II', self.stream, segments[0][0])
        if total != self.count(0x00FD):
            self.problem('SST counts %d references, the sheet has %d' % (total, self.count(0x00FD)))
        starts = self.string_starts(segments, unique)
        if self.records[j][1] != EXTSST:
            self.problem('SST is not followed by EXTSST')
            return
        data = self.data(j)
        per_bucket = struct.unpack_from('<H', data)[0]
        buckets = [struct.unpack_from('<IH', data, 2 + k * 8) for k in range((len(data) - 2) // 8)]
        expected = (unique + per_bucket - 1) // per_bucket
        if per_bucket < 8 or len(buckets) != expected:
            self.problem('EXTSST has %d buckets of %d for %d strings' % (len(buckets), per_bucket, unique))
        for k, (position, offset) in enumerate(buckets):
            if k * per_bucket < len(starts) and position != starts[k * per_bucket]:
                self.problem('EXTSST bucket %d points at %d, string starts at %d' % (k, position, starts[k * per_bucket]))
            if self.kind_at(position - offset) not in (SST, CONTINUE):
                self.problem('EXTSST bucket %d: offset %d is not from a record start' % (k, offset))

    def string_starts(self, segments, unique):
        starts = []
        segment = 0
        pos = segments[0][0] + 8
        for _ in range(unique):
            if pos == segments[segment][1]:
                segment += 1
                pos = segments[segment][0]
            if pos + 3 > segments[segment][1]:
                self.problem('string header split across records')
                return starts
            starts.append(pos)
            count, flags = struct.unpack_from('<HB', self.stream, pos)
            pos += 3
            if flags & ~1:
                self.problem('unexpected string flags %d' % flags)
            wide = flags & 1
            while count:
                if pos == segments[segment][1]:
                    segment += 1
                    pos = segments[segment][0]
                    wide = self.stream[pos] & 1
                    pos += 1
                n = min(count, (segments[segment][1] - pos) // (2 if wide else 1))
                if n == 0:
                    self.problem('character split across records')
                    return starts
                pos += n * (2 if wide else 1)
                count -= n
        if pos != segments[-1][1]:
            self.problem('SST has bytes after its last string')
        return starts


def main():
    path = sys.argv[1]
    formatting = '--formatting' in sys.argv
    with open(path, 'rb') as f:
        data = f.read()
    stream = compdoc.CompDoc(data, logfile=sys.stderr).get_named_stream('Workbook')
    if '--container' in sys.argv:
        json.dump({'size': len(stream), 'md5': hashlib.md5(stream).hexdigest(), 'difatSectors': struct.unpack_from('<I', data, 0x48)[0]}, sys.stdout)
        return
    layout = Layout(stream)
    layout.check()

    book = xlrd.open_workbook(file_contents=data, formatting_info=formatting, logfile=sys.stderr)
    sheet = book.sheet_by_index(0)
    cells = []
    for r in range(sheet.nrows):
        for c, cell in enumerate(sheet.row(r)):
            if cell.ctype == xlrd.XL_CELL_EMPTY:
                continue
            entry = [r, c, 't' if cell.ctype == xlrd.XL_CELL_TEXT else 'n' if cell.ctype == xlrd.XL_CELL_NUMBER else '?',
                     cell.value]
            if formatting:
                xf = book.xf_list[cell.xf_index]
                entry += [bool(book.font_list[xf.font_index].bold), book.format_map[xf.format_key].format_str,
                          bool(xf.alignment.text_wrapped)]
            cells.append(entry)
    result = {
        'sheets': book.sheet_names(),
        'nrows': sheet.nrows,
        'ncols': sheet.ncols,
        'cells': cells,
        'continueRecords': layout.count(CONTINUE),
        'cellRecords': {name: layout.count(kind) for kind, name in CELL_RECORD_NAMES.items()},
        'problems': layout.problems,
        'container': {
            'fatSectors': struct.unpack_from('<I', data, 0x2C)[0],
            'miniFatSectors': struct.unpack_from('<I', data, 0x40)[0],
            'difatSectors': struct.unpack_from('<I', data, 0x48)[0],
        },
    }
    if formatting:
        result['widths'] = {str(c): info.width for c, info in sheet.colinfo_map.items()}
        result['heights'] = {str(r): info.height for r, info in sheet.rowinfo_map.items() if info.height_mismatch}
    json.dump(result, sys.stdout, ensure_ascii=False)


if __name__ == '__main__':
    main()
