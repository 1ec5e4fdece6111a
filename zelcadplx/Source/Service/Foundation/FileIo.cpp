// Checked opening for reads and atomic replacement for writes, worded for the library's
// streams and reports; the POSIX work is the shared file layer's (PosixFile.h).
#include "FileIo.h"

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

bool WriteFileAtomically(const std::string& SystemName, std::string_view Bytes, std::string& Error)
{
    const posixfile::TWritten written =
        posixfile::ReplaceFile(SystemName, Bytes, std::numeric_limits<std::size_t>::max(), {});
    const std::string& path = written.Path;
    switch (written.Stage) {
    case posixfile::TWriteStage::Done:
        return true;
    case posixfile::TWriteStage::NoName:
        Error = "no file name";
        break;
    case posixfile::TWriteStage::Link:
        Error = written.Text;
        break;
    case posixfile::TWriteStage::NotRegular:
        Error = "will not replace " + path + ": it is " + posixfile::KindOf(written.Mode) +
                ", not a regular file";
        break;
    case posixfile::TWriteStage::Create:
        Error = "cannot create a file in the folder of " + path + ": " + std::strerror(written.Code);
        break;
    default:
        Error = "cannot write " + path + ": " + std::strerror(written.Code);
        break;
    }
    return false;
}
