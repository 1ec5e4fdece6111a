#pragma once
// In-view widgets of the property panels. TStatusBarOGL: the panel's status line, a stack
// of messages each of which leaves after its own delay.

#include "DString.h"
#include "Mathemat.h"
#include "Messager.h"
#include "TArray.h"

class TBaseManager;

class TStatusBarOGL : public TStatusLines {
public:
    static constexpr Integer MessageRoom = 1024; // messages the bar makes room for at once

    struct TIdStr {
        Integer Id = 0;    // timer event that removes the message, 0 = none
        Str T;             // the text
        Integer Delay = 0; // milliseconds the message was asked to stay
    };

    TBaseManager* Editor = nullptr;               // the panel the bar belongs to; null: the bar shows nothing
    TPoint2D Origin;                              // offset of the bar in the panel's view, pixels
    TArrayOf<TIdStr> M{MessageRoom, MessageRoom}; // messages, oldest first (lowest line)

    TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY);
    virtual ~TStatusBarOGL() = default;
    TStatusBarOGL(const TStatusBarOGL&) = delete;
    TStatusBarOGL& operator=(const TStatusBarOGL&) = delete;

    // Appends T as a new message kept for Delay ms. Nothing without a panel.
    void LiftBox(const TString& T, Integer Delay) override;
    // Replaces the first message by T (creates it on an empty bar), kept for Delay ms.
    // Nothing without a panel.
    void StatusBox(const TString& T, Integer Delay) override;
};
