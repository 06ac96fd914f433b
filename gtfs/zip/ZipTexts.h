#pragma once

// What the zip reader reports when an archive or one of its entries cannot be read (GBK, as
// every literal). An archive's problem begins with kNotAZip; an entry's names no file, since
// the caller knows which one it opened.
namespace zipTexts {

// Opening the archive and reading its central directory.
inline constexpr char kNotAZip[] = "不是可读的 zip 压缩包：";
// Why the archive is not readable; each follows kNotAZip.
inline constexpr char kZipNoEnd[] = "找不到中央目录结尾记录（不是 zip 压缩包，或文件不完整）";
inline constexpr char kZipDirectoryOutside[] = "中央目录超出文件范围（文件不完整或已损坏）";
inline constexpr char kZipDamagedDirectory[] = "中央目录已损坏";
inline constexpr char kZipSeveralDisks[] = "压缩包分成了多卷";
inline constexpr char kUnreadable[] = "文件无法读取";
inline constexpr char kArchiveEndsEarly[] = "压缩包比目录所记录的短（文件不完整或已损坏）";

// Reading an entry.
inline constexpr char kZipEncrypted[] = "文件在 zip 压缩包中是加密的";
inline constexpr char kZipMethod[] = "文件用 %s 压缩；只能读取存储（0）和 deflate（8）方式的文件";
inline constexpr char kZipMethodNumber[] = "zip 压缩方法 %s";
inline constexpr char kZipDamagedEntry[] = "文件在 zip 压缩包中的本地文件头已损坏";
inline constexpr char kReadFailed[] = "读取失败：%s";
inline constexpr char kZipCrcMismatch[] =
    "文件已损坏：解出的内容与 zip 目录记录的 CRC-32 校验值不符";
inline constexpr char kZipSizeMismatch[] = "文件已损坏：解出的大小与 zip 目录记录的 %s 字节不符";
inline constexpr char kZipDeflateDamaged[] = "文件已损坏：deflate 压缩数据有误";
inline constexpr char kZipDeflateCut[] = "文件不完整：deflate 压缩数据提前结束";

}  // namespace zipTexts
