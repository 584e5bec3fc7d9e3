#!/usr/bin/python3
"""Writes the .xls fixtures of the workbook reader's tests (needs python3-xlwt; run once, outputs are committed).

consent.xls        a filled-in consent workbook: instruction text, headers in row 2, the example row, data rows
                   with numbers, dates and times, a row without a name, a cell past column J, a second sheet
consent.xlsx       its twin: the same cells in an .xlsx package written part by part
password.xls       a small workbook stored as encrypted: FILEPASS after the globals' BOF, later records scrambled
password.xlsx      a compound file holding an "EncryptedPackage" stream, as a password-protected .xlsx is stored
truncated.xls      consent.xls cut short

The freexl-crash-N.xls beside them are not made here: they are inputs on which FreeXL crashes (1), allocates without
end (2) or allocates over half a gigabyte from a few kilobytes (3), kept as found.
"""

import datetime
import io
import os
import struct
import zipfile
from xml.sax.saxutils import escape

import xlwt

HERE = os.path.dirname(os.path.abspath(__file__))

INSTRUCTION = "\n".join([
    "<주의 사항>",
    "     이 엑셀파일 1행과 2행의 항목을 변경/삭제하지 마십시오. (3행은 예시이므로 삭제후, 실제 자료를 입력하여 주십시오.)",
    "<자료 작성 방법>",
    "  ※ 필수입력란 : 1.이름, 2.기관코드(고객코드), 3.은행코드, 4.계좌번호, 5.납부자번호, 6.실명번호, "
    "7.고객신청일자(공란시 현재일자로 인식)",
])
HEADERS = ["이름", "기관업체코드", "은행코드", "계좌번호", "납부자번호", "실명번호", "고객신청일자", "자동납부일자",
           "지점코드", "실명번호검사"]
EXAMPLE = ["홍길동", "000001", "11", "1234567890", "790312", "790312       ", "2008-11-21", "", "", "Y"]


def styled(num_format):
    style = xlwt.XFStyle()
    style.num_format_str = num_format
    return style


def write_row(sheet, row, values):
    for column, value in enumerate(values):
        if value is None:
            continue
        if isinstance(value, tuple):
            sheet.write(row, column, value[0], value[1])
        else:
            sheet.write(row, column, value)


def consent_workbook():
    date = styled("yyyy-mm-dd")
    date_time = styled("yyyy-mm-dd hh:mm:ss")
    time = styled("hh:mm:ss")
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("Keiron")
    sheet.write(0, 0, INSTRUCTION)
    write_row(sheet, 1, HEADERS)
    write_row(sheet, 2, EXAMPLE)
    write_row(sheet, 3, ["김철수", "000001", "04", 1002003004005, "A-17", "8001011234567",
                         (datetime.date(2008, 11, 21), date), None, "0012", "N", "past column J"])
    write_row(sheet, 4, [None, "000002", "03", "9999"])
    write_row(sheet, 5, ["  이 영희 ", 7, 12.5, -3, "  공백  ", None,
                         (datetime.datetime(2008, 11, 21, 13, 45, 30), date_time),
                         (datetime.time(9, 30), time), None, "Y"])
    write_row(sheet, 7, ["박민수", "000003", "20", "1002-003-004005", "", "", "2008-11-22"])
    other = book.add_sheet("Other")
    write_row(other, 0, HEADERS)
    write_row(other, 1, ["다른시트", "999999"])
    return book


MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
RELATIONSHIPS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PACKAGE_RELATIONSHIPS = "http://schemas.openxmlformats.org/package/2006/relationships"
DATE, DATE_TIME, TIME = 1, 2, 3  # cell styles of the twin


def serial(moment):
    """The day number of the 1900 date system, with the time of day as its fraction."""
    if isinstance(moment, datetime.time):
        return (moment.hour * 3600 + moment.minute * 60 + moment.second) / 86400
    start = datetime.datetime(1899, 12, 30)
    if not isinstance(moment, datetime.datetime):
        moment = datetime.datetime(moment.year, moment.month, moment.day)
    return (moment - start).total_seconds() / 86400


def twin_rows():
    """The consent workbook's first sheet as (row, column, value, style) with texts as str and numbers as float."""
    rows = {
        0: [INSTRUCTION], 1: HEADERS, 2: EXAMPLE,
        3: ["김철수", "000001", "04", 1002003004005, "A-17", "8001011234567",
            (serial(datetime.date(2008, 11, 21)), DATE), None, "0012", "N", "past column J"],
        4: [None, "000002", "03", "9999"],
        5: ["  이 영희 ", 7, 12.5, -3, "  공백  ", None,
            (serial(datetime.datetime(2008, 11, 21, 13, 45, 30)), DATE_TIME), (serial(datetime.time(9, 30)), TIME),
            None, "Y"],
        7: ["박민수", "000003", "20", "1002-003-004005", "", "", "2008-11-22"],
    }
    for row, values in rows.items():
        for column, value in enumerate(values):
            if value is not None:
                yield (row, column) + (value if isinstance(value, tuple) else (value, 0))


def consent_twin():
    strings = []
    sheet_rows = {}
    for row, column, value, style in twin_rows():
        reference = "%s%d" % ("ABCDEFGHIJK"[column], row + 1)
        if isinstance(value, str):
            strings.append(value)
            cell = '<c r="%s" t="s"><v>%d</v></c>' % (reference, len(strings) - 1)
        else:
            cell = '<c r="%s" s="%d"><v>%r</v></c>' % (reference, style, value)
        sheet_rows.setdefault(row, []).append(cell)
    sheet = "".join('<row r="%d">%s</row>' % (row + 1, "".join(cells)) for row, cells in sorted(sheet_rows.items()))
    other = '<row r="1"><c r="A1" t="inlineStr"><is><t>다른시트</t></is></c></row>'
    parts = {
        "[Content_Types].xml": '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>',
        "_rels/.rels": '<Relationships xmlns="%s"><Relationship Id="rId1" Type="%s/officeDocument" '
                       'Target="xl/workbook.xml"/></Relationships>' % (PACKAGE_RELATIONSHIPS, RELATIONSHIPS),
        "xl/workbook.xml": '<workbook xmlns="%s" xmlns:r="%s"><sheets><sheet name="Keiron" sheetId="1" r:id="rId1"/>'
                           '<sheet name="Other" sheetId="2" r:id="rId2"/></sheets></workbook>' % (MAIN, RELATIONSHIPS),
        "xl/_rels/workbook.xml.rels": (
            '<Relationships xmlns="%s">' % PACKAGE_RELATIONSHIPS
            + "".join('<Relationship Id="rId%d" Type="%s/%s" Target="%s"/>' % (number, RELATIONSHIPS, kind, target)
                      for number, kind, target in [(1, "worksheet", "worksheets/sheet1.xml"),
                                                   (2, "worksheet", "worksheets/sheet2.xml"),
                                                   (3, "styles", "styles.xml"),
                                                   (4, "sharedStrings", "sharedStrings.xml")])
            + "</Relationships>"),
        "xl/styles.xml": '<styleSheet xmlns="%s"><numFmts><numFmt numFmtId="164" formatCode="yyyy-mm-dd"/>'
                         '<numFmt numFmtId="165" formatCode="yyyy-mm-dd hh:mm:ss"/><numFmt numFmtId="166" '
                         'formatCode="hh:mm:ss"/></numFmts><cellXfs><xf numFmtId="0"/><xf numFmtId="164"/>'
                         '<xf numFmtId="165"/><xf numFmtId="166"/></cellXfs></styleSheet>' % MAIN,
        "xl/sharedStrings.xml": '<sst xmlns="%s">%s</sst>' % (
            MAIN, "".join('<si><t xml:space="preserve">%s</t></si>' % escape(text) for text in strings)),
        "xl/worksheets/sheet1.xml": '<worksheet xmlns="%s"><sheetData>%s</sheetData></worksheet>' % (MAIN, sheet),
        "xl/worksheets/sheet2.xml": '<worksheet xmlns="%s"><sheetData>%s</sheetData></worksheet>' % (MAIN, other),
    }
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as package:
        for name, content in parts.items():
            package.writestr(zipfile.ZipInfo(name, (2026, 12, 11, 0, 0, 0)), content.encode("utf-8"),
                             zipfile.ZIP_DEFLATED)
    return out.getvalue()


def saved(book):
    out = io.BytesIO()
    book.save(out)
    return bytearray(out.getvalue())


def record_at(data, offset):
    kind, length = struct.unpack_from("<HH", data, offset)
    return kind, length


def with_filepass(data):
    """Replaces the globals' INTERFACEHDR, MMS and INTERFACEEND (16 bytes) by FILEPASS (XOR) and MMS (16 bytes)."""
    bof = data.index(bytes([0x09, 0x08, 0x10, 0x00, 0x00, 0x06, 0x05, 0x00]))
    start = bof + 4 + 16
    expected = [(0x00E1, 2), (0x00C1, 2), (0x00E2, 0)]
    offset = start
    for kind, length in expected:
        assert record_at(data, offset) == (kind, length), hex(offset)
        offset += 4 + length
    filepass = struct.pack("<HHHHH", 0x002F, 6, 0, 0x1234, 0x5678)
    mms = struct.pack("<HHH", 0x00C1, 2, 0)
    data[start:offset] = filepass + mms
    return data


def encrypted(data):
    """As an encrypted workbook stores its records: FILEPASS after the globals' BOF, later payloads scrambled except
    BOF and the stream positions of BOUNDSHEET, which stay plain."""
    data = with_filepass(data)
    offset = data.index(bytes([0x09, 0x08, 0x10, 0x00]))
    while True:
        kind, length = record_at(data, offset)
        if kind == 0 and length == 0:
            return data
        payload = offset + 4
        if kind not in (0x0809, 0x002F):
            start = payload + 4 if kind == 0x0085 else payload
            for i in range(start, payload + length):
                data[i] ^= 0xA5
        offset = payload + length


def as_encrypted_package(data):
    """Renames the compound file's "Workbook" stream to "EncryptedPackage" in its directory entry."""
    old = "Workbook\0".encode("utf-16-le")
    entry = data.index(old)
    name = "EncryptedPackage\0".encode("utf-16-le")
    data[entry:entry + 64] = name.ljust(64, b"\0")
    struct.pack_into("<H", data, entry + 64, len(name))
    return data


def small_workbook():
    book = xlwt.Workbook(encoding="utf-8")
    write_row(book.add_sheet("Sheet1"), 0, HEADERS)
    return book


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)


def main():
    consent = saved(consent_workbook())
    write("consent.xls", consent)
    write("consent.xlsx", consent_twin())
    write("truncated.xls", consent[:len(consent) // 2])
    write("password.xls", encrypted(saved(small_workbook())))
    write("password.xlsx", as_encrypted_package(saved(small_workbook())))


if __name__ == "__main__":
    main()
