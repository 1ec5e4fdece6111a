#pragma once
// File names held in TString: whether a file exists, removing one, and TFileName, which
// splits and rebases paths. Both '/' and '\' separate directories: paths come from the
// host in either form.

#include "DString.h"

#include <string>

// True when the path names something that exists and is not a directory.
bool FileExists(const TString& FileName);
// Removes the file; true when it was removed.
bool DeleteFile(const TString& FileName);
// The name as the file system takes it: the 8-bit text as UTF-8.
std::string SystemFileName(const TString& FileName);
// The same for a host's wide name, every character kept: UTF-8, except that U+DC80..U+DCFF
// stand for the bytes 80..FF of a name that is no UTF-8, as the host passes them.
std::string SystemFileName(const std::wstring& FileName);

class TFileName : public TString {
public:
    using TString::TString;
    TFileName() = default;
    TFileName(const TString& s) : TString(s) {}

    TFileName Name() const; // after the last separator
    // Up to and including a separator: 0 the file's directory, 1 its parent, ...;
    // a text without separator whole; empty when the levels run out.
    TFileName Path(int CountDirectotyUp) const;
    int CountDirectotyDn(int FronPosition) const; // separators at or after the index
    bool FileExists() const { return ::FileExists(*this); }
    bool DeleteFile(const TString& FileName) const; // removes this name; the argument is unused
    // This name, which lies below OldPathFile's directory, moved below NewPathFile's.
    TFileName Relative(const TFileName& NewPathFile, const TFileName& OldPathFile) const;
};
