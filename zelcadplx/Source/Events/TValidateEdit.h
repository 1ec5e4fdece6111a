#pragma once
// The in-view widgets: the edit box bound to a program variable and guarded by a validator
// (TValidateEdit), the label, the push button, the combo box over a choice adapter, the status
// line with timed messages and the single timed hint. They draw with the dispatcher's image
// and its stroke font; colours are RGB bytes. The label, button, combo box, status line and
// hint are in TLabelOGL.cpp.

#include "Messager.h"
#include "TPointer.h"
#include "TPopUpEdit.h"
#include "TValidator.h"

class TAdapter;

class TValidateEdit : public TWindowOGL, public TValidatorWindow {
public:
    static constexpr Integer MaxLength = 255; // characters a box holds; typing past it is refused
    static constexpr Integer PopUpHeight = 28;
    static constexpr Integer PopUpWidth = 5;
    static constexpr int KeyMinus = 189; // low bytes of the host's key codes typed as signs
    static constexpr int KeyPlus = 16;

    TVariablePtr V;                  // the bound variable
    TValidator* Validator = nullptr; // owned; may be null
    Integer BeginSelect = 0;         // caret, in characters
    Integer EndSelect = 0;           // kept equal to BeginSelect

    // A child box of iOwner (top-level without an owner).
    TValidateEdit(TBaseManager* iEditor, TWindowOGL* iOwner);
    // A top-level box attached to the model point P; a Delay of at least 26 ms closes it.
    TValidateEdit(TBaseManager* iEditor, const TPoint3D& P, int Delay);
    TValidateEdit(TBaseManager* iEditor, const TPoint3D& P, const TVariablePtr& iV, int Delay);
    ~TValidateEdit() override;

    // Binds the variable and shows its value with the caret after it (no repaint): a real
    // gets a -2000..2000 real validator, an integer a 0..2000 one; a text or a Boolean keeps
    // the validator; any other kind leaves the box unbound and empty.
    void SetLink(const TVariablePtr& Value);
    // Takes ownership of validator; the previous one is deleted.
    void SetValidator(TValidator* validator);
    // The validator's verdict on the whole text; true without a validator.
    virtual bool IsValid(bool reportError);
    // A top-level box may close; a child may not.
    virtual bool CanClose();
    void SetText(const TString& iText, bool SetSelect = true, bool Repaint = true) override;
    void Draw2D(TGImage& GI) override;
    // Editing keys, Enter (stores the text into the variable) and Escape (shows the variable
    // again) answer false; every other key true. Without a panel: true and nothing else.
    bool OnKeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr Keys) override;

    // TValidatorWindow: a validator's message as the one hint at the box.
    void ShowHint(const TString& Text, int dX, int dY, int Delay) override;
    void TakeFocus() override { SetFocus(); }

private:
    // Inserts the character of keyCode at the caret when the validator accepts the result.
    void Type(int keyCode);
    void ClampCaret();
};

// A text in the view; it never reacts to the pointer.
class TLabelOGL : public TWindowOGL {
public:
    static constexpr UInteger White = 0xFFFFFF;

    // The label form: height 24, white background, the text.
    TLabelOGL(TBaseManager* iEditor, TWindowOGL* iOwner, const TString& iText);
    void Draw2D(TGImage& GI) override;
    bool MouseMove(tvapi::IPressedKeysPtr, int, int) override { return false; }
    // Takes the background off (the label then draws only its text).
    void NoBackground() { Mask &= ~mdBackground; }
};

// A label that is pressed: the press is signalled to the topmost owner and the focus stays
// where it was.
class TButton : public TLabelOGL {
public:
    using TLabelOGL::TLabelOGL;
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y) override
    {
        return TWindowOGL::MouseMove(std::move(Keys), x, y);
    }
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y) override;

protected:
    // The framework's press; true when this widget took the focus (focus and selection are
    // then put back as they were). Signals nothing.
    bool Press(const tvapi::IPressedKeysPtr& Keys, int x, int y);
};

// A drop-down list over a choice adapter; focused means open.
class TComboBox : public TLabelOGL {
public:
    TAdapter& Value;
    Integer SubSelected = 0; // the hovered item, -1 none

    TComboBox(TBaseManager* iEditor, TWindowOGL* iOwner, TAdapter& iValue);
    // Only the drop-down square at the right end.
    bool Contain(int x, int y) const override;
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    void Draw2D(TGImage& GI) override;
    // The choice shown: the adapter's text at its current index (empty outside the list).
    TString CurrentText() const;
    // The open list's item under (x, y) (parent coordinates); -1 none. Item k lies in the k-th
    // row of height Height under the box, where it is drawn.
    Integer ItemAt(int x, int y) const;
};

// The panel's status line: messages stacked upwards, each leaving after its own delay.
class TStatusBarOGL : public TLabelOGL, public TStatusLines {
public:
    static constexpr Integer MessageRoom = 1024;
    static constexpr Integer MinTimedDelay = TTimer::MinDelay;

    struct TIdStr {
        Integer Id = 0;    // timer event that removes the message, 0 = none
        Str T;             // the text
        Integer Delay = 0; // milliseconds the message was asked to stay
    };

    TArrayOf<TIdStr> M{MessageRoom, MessageRoom}; // oldest first (lowest line)

    // Top-level at (dX, dY) of the panel's view, following no model point.
    TStatusBarOGL(TBaseManager* iEditor, Integer dX, Integer dY);

    // Appends T, removed after Delay ms (at least 26, the bar listed); the newest text also
    // goes to the frame's status line; the view repaints. Nothing without a panel.
    void LiftBox(const TString& T, Integer Delay) override;
    // Replaces the first message by T (creates it on an empty bar), as LiftBox otherwise.
    void StatusBox(const TString& T, Integer Delay) override;
    // Removes the message of timer event nIDEvent; the bar stays.
    void OnTimer(Integer nIDEvent) override;
    void Draw2D(TGImage& GI) override;

private:
    void ShowOnFrame(const TString& T);
};

// The one hint in the view, in label form, closed by its timer or by the next hint.
class THintOGL : public TLabelOGL {
public:
    static constexpr Integer MinWidth = 65;
    static THintOGL* Current;

    // Deletes the current hint and shows Text at P shifted by (dX, dY) pixels; a Delay of at
    // least 26 ms closes it.
    static void Hint(TBaseManager* Editor, const TPoint3D& P, const TString& Text, int dX, int dY, int Delay);
    // Width 5 per character plus 5, at least MinWidth.
    THintOGL(TBaseManager* iEditor, const TPoint3D& P, const TString& Text, int iOx, int iOy, int Delay);
    ~THintOGL() override;
};
