#pragma once
// THotPointEdit: the in-view window a panel opens on a picked hot point. It is attached to the
// hot point's model point, so the panel knows a point already carries an editor, and closes
// itself when its delay runs out.

#include "TPopUpEdit.h"

class THotPointData;

class THotPointEdit : public TWindowOGL {
public:
    static constexpr Integer RowHeight = 24;

    THotPointData& HP; // the edited record; it outlives the editor
    Integer dY = RowHeight;

    // Enrols the editor in iEditor's dispatcher at iHP's Origin; a Delay of at least 26 ms
    // closes it after that many milliseconds.
    THotPointEdit(TBaseManager* iEditor, THotPointData& iHP, int Delay);
    // The panel forgets an editor that closes by itself.
    ~THotPointEdit() override;

    // The editor's delay ran out.
    void OnTimer(Integer) override { delete this; }
};
