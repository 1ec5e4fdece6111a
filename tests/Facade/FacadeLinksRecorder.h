#pragma once
// A fixture helper that installs recording functions in FacadeLinks for one test and puts
// the previous table back afterwards: title-block cells and texts are journaled, the mass
// of a model file and the element library are answered from fields the test sets.

#include <string>
#include <vector>

#include "FacadeLinks.h"

class TFacadeLinksRecorder {
public:
    static inline std::vector<std::string> Journal; // "cell 111", "text <utf-8>", "mass <file>"
    static inline Real Mass = 0.0;
    static inline Boolean Active = false;
    static inline std::string ElementName; // UTF-8

    TFacadeLinksRecorder() : Saved(FacadeLinks) {
        Journal.clear();
        Mass = 0.0;
        Active = false;
        ElementName.clear();
        FacadeLinks.GetMassFile = [](const TString& f) {
            Journal.push_back("mass " + Utf8(f));
            return Mass;
        };
        FacadeLinks.drColumnShtamp = [](Integer n) { Journal.push_back("cell " + std::to_string(n)); };
        FacadeLinks.drStringObj = [](const TString& s) { Journal.push_back("text " + Utf8(s)); };
        FacadeLinks.ElementsActive = [] { return Active; };
        FacadeLinks.ElementName = [](const TBaseDetail& dc) {
            Journal.push_back("element " + std::to_string(dc.ID));
            return TString(ElementName.c_str());
        };
    }
    ~TFacadeLinksRecorder() { FacadeLinks = Saved; }
    TFacadeLinksRecorder(const TFacadeLinksRecorder&) = delete;
    TFacadeLinksRecorder& operator=(const TFacadeLinksRecorder&) = delete;

    static std::string Utf8(const TString& s) {
        std::vector<char8_t> out(2 * static_cast<std::size_t>(s.Length()) + 1);
        const Integer n = TString::toUTF8(s.PChar(), out.data());
        return std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n));
    }

private:
    TFacadeLinks Saved;
};
