#!/usr/bin/python3
"""Writes the .xls fixtures of the workbook reader's tests (needs python3-xlwt; run once, outputs are committed).

consent.xls        a filled-in consent workbook: instruction text, headers in row 2, the example row, data rows
                   with numbers, dates and times, a row without a name, a cell past column J, a second sheet
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
    write("truncated.xls", consent[:len(consent) // 2])
    write("password.xls", encrypted(saved(small_workbook())))
    write("password.xlsx", as_encrypted_package(saved(small_workbook())))


if __name__ == "__main__":
    main()
