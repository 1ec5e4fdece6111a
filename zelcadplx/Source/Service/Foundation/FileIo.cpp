// Checked opening for reads and atomic replacement for writes, worded for the library's
// streams and reports; the POSIX work is the shared file layer's (PosixFile.h).
#include "FileIo.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

#include "PosixFile.h"

int OpenRegularFile(const std::string& SystemName, int& Code, std::string& Reason)
{
    const posixfile::TOpened opened = posixfile::OpenRegular(SystemName, MaxReadBytes);
    Code = opened.Code;
    switch (opened.Failure) {
    case posixfile::TOpenFailure::None:
        break;
    case posixfile::TOpenFailure::System:
        Reason = std::strerror(Code);
        break;
    case posixfile::TOpenFailure::NotRegular:
        Reason = std::string("is ") + posixfile::KindOf(opened.Mode) + ", not a regular file";
        break;
    case posixfile::TOpenFailure::TooLarge:
        Reason = "is larger than the 256 MiB a read may take";
        break;
    }
    return opened.Fd;
}

namespace {

// Why a replacement failed, or "" when it was made.
std::string WriteFailure(const posixfile::TWritten& written)
{
    const std::string& path = written.Path;
    switch (written.Stage) {
    case posixfile::TWriteStage::Done:
        return {};
    case posixfile::TWriteStage::NoName:
        return "no file name";
    case posixfile::TWriteStage::Link:
        return written.Text;
    case posixfile::TWriteStage::NotRegular:
        return "will not replace " + path + ": it is " + posixfile::KindOf(written.Mode) +
               ", not a regular file";
    case posixfile::TWriteStage::Create:
        return "cannot create a file in the folder of " + path + ": " + std::strerror(written.Code);
    default:
        return "cannot write " + path + ": " + std::strerror(written.Code);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& SystemName, std::string_view Bytes, std::string& Error,
                         bool FollowLinks)
{
    const posixfile::TWritten written =
        posixfile::ReplaceFile(SystemName, Bytes, std::numeric_limits<std::size_t>::max(), {}, FollowLinks);
    Error = WriteFailure(written);
    return written.Stage == posixfile::TWriteStage::Done;
}

TFileReplacement::~TFileReplacement()
{
    std::string ignored;
    if (Pending()) Finish(false, ignored);
}

int TFileReplacement::Open(const std::string& SystemName, std::string& Error)
{
    if (Pending()) Finish(false, Error);
    const posixfile::TTemporary temp = posixfile::MakeTemporaryFor(SystemName);
    Error = WriteFailure(temp.Written);
    if (temp.Fd < 0) return -1;
    FTemporary = temp.Path;
    FTarget = temp.Written.Path;
    return temp.Fd;
}

bool TFileReplacement::Finish(bool Whole, std::string& Error)
{
    if (!Pending()) return false;
    posixfile::TTemporary temp;
    temp.Path = FTemporary;
    temp.Written.Path = FTarget;
    FTemporary.clear();
    const posixfile::TWritten written =
        posixfile::PutInPlace(temp, Whole ? posixfile::TWriteStage::Done : posixfile::TWriteStage::Write);
    if (!Whole) {
        Error = "cannot write " + FTarget + ": a write failed";
        return false;
    }
    Error = WriteFailure(written);
    return written.Stage == posixfile::TWriteStage::Done;
}

TNameHolds WhatNameHolds(const std::string& SystemName, std::string_view Prefix)
{
    struct stat info {};
    if (::lstat(SystemName.c_str(), &info) != 0) return TNameHolds::Nothing;
    if (!S_ISREG(info.st_mode)) return TNameHolds::NoFile;
    if (info.st_size == 0) return TNameHolds::OwnFile;
    int code = 0;
    std::string reason;
    const posixfile::TDescriptor fd(OpenRegularFile(SystemName, code, reason));
    if (fd.Get() < 0) return TNameHolds::OtherFile;
    std::string head(Prefix.size(), '\0');
    std::size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ::read(fd.Get(), head.data() + got, head.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got == Prefix.size() && head == Prefix ? TNameHolds::OwnFile : TNameHolds::OtherFile;
}
