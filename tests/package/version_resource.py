"""Prints the version resource of a Windows program: the fixed file and product versions, then
every string value as NAME=VALUE, one a line, in UTF-8.
    version_resource.py PROGRAM.exe
"""
import struct
import sys

FIXED_INFO_SIGNATURE = b"\xbd\x04\xef\xfe"
STRING_NAMES = ["FileDescription", "FileVersion", "InternalName", "OriginalFilename",
                "ProductName", "ProductVersion"]


def fixed_version(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def string_value(data, name):
    # A String entry: length, value length, type, then the UTF-16 name, padding to four
    # bytes, and the UTF-16 value up to its terminator.
    key = (name + "\0").encode("utf-16-le")
    at = data.find(key)
    if at < 0:
        return None
    start = at + len(key)
    start += -start % 4
    end = start
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[start:end].decode("utf-16-le")


def main():
    data = open(sys.argv[1], "rb").read()
    at = data.find(FIXED_INFO_SIGNATURE)
    if at < 0:
        sys.exit("no version resource")
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", data, at + 8)
    print("file version " + fixed_version(file_ms, file_ls))
    print("product version " + fixed_version(product_ms, product_ls))
    for name in STRING_NAMES:
        print(f"{name}={string_value(data, name)}")


main()
