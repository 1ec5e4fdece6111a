#pragma once
// THotPointEdit: the in-view window a panel opens on a picked hot point: its caption, a close
// button "[X]" and one edit box with its comment per value of the hot point. It is attached to
// the hot point's model point, so the panel knows a point already carries an editor, and
// closes itself when its delay runs out.

#include "TValidateEdit.h"

class THotPointData;

class THotPointEdit : public TWindowOGL {
public:
    static constexpr Integer RowHeight = 24;
    static constexpr Integer InitialHeight = 185;
    static constexpr Integer InitialWidth = 204;
    static constexpr int IdleDelay = 4000; // ms a pointer move keeps the editor open

    THotPointData& HP; // the edited record; it outlives the editor
    Integer dY = RowHeight;

    // A top-level editor of iHP with its children; with a panel, attached at iHP's Origin, and
    // a Delay of at least 26 ms closes it.
    THotPointEdit(TBaseManager* iEditor, THotPointData& iHP, int Delay);
    // The panel forgets an editor that closes.
    ~THotPointEdit() override;

    // Children in order: caption, close button, then an edit box and a label per value.
    TLabelOGL* Caption() const;
    TButton* CloseButton() const;
    // The edit box of value i; null outside the values.
    TValidateEdit* ValueEdit(Integer i) const;

    virtual void OnMouseMove(tvapi::IPressedKeysPtr Keys, int x, int y);
    // The close button deletes the editor.
    void Sygnal(void* Sender, int Info, void* Data) override;
    // The editor no longer closes by itself.
    void OnKillFocus() override;
    void OnDestroy() override;
    // A move inside the editor starts another IdleDelay before it closes.
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y) override;

private:
    void DropTimers();
};
