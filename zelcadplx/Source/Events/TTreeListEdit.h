#pragma once
// Composite in-view editors: the editor of one 3D dimension's value drawn at the dimension
// with its extension lines (TDimensionWnd3D), and a tree list of named variables with
// collapsible branches (TTreeListEdit over TTreeNode, with TTreeLabel captions).

#include "Dimension3D.h"
#include "Mtr3D.h"
#include "TValidateEdit.h"

class TDimensionWnd3D : public TValidateEdit {
public:
    static constexpr double ExtensionLength = 25.0; // of a linear dimension's extension lines
    static constexpr double TextShift = 2.0;        // a radial text beyond the arrow's end

    TDimension3D& VD;
    TMtr3D Mtr; // places the dimension's points in the model

    // A top-level box at the dimension's text point bound to its registered variable (the
    // record's own value without one, tipped "* справочно").
    TDimensionWnd3D(TDimension3D& iVD, TBaseManager* iPM, const TMtr3D& iMtr, int Delay);
    // Only linear and radial dimensions show their box.
    void Draw2D(TGImage& GI) override;
    // The extension and dimension lines; the text point follows them for the next editor.
    void Draw(TGImage& GI) override;
};

class TTreeNode {
public:
    Str Name;
    TTreeNode* SubNode = nullptr; // first child of a branch, owned
    TVariablePtr* V = nullptr;    // the variable of a leaf, owned
    TTreeNode* Next = nullptr;    // next sibling, owned
    Boolean Expanded = true;
    TLabelOGL* Label = nullptr; // widgets made for the node, owned by the tree list
    TWindowOGL* Edit = nullptr;

    // A branch.
    TTreeNode(const char* iName, TTreeNode* iSubNode, TTreeNode* iNext);
    // A leaf.
    TTreeNode(const char* iName, TVariablePtr* iV, TTreeNode* iNext);
    virtual ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
};

// A node's caption; pressing it opens or closes the node's branch.
class TTreeLabel : public TButton {
public:
    TTreeNode* Node;

    TTreeLabel(TBaseManager* iEditor, TWindowOGL* iOwner, TTreeNode* iNode);
    // A press toggles Node's branch instead of signalling; the focus stays where it was.
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y) override;
};

class TTreeListEdit : public TWindowOGL {
public:
    TTreeNode* RootNode = nullptr; // owned
    Integer dY = 25;               // row pitch
    Integer dX = 10;               // indent per level
    Integer cX = 0;                // running position while building or drawing
    Integer cY = 0;
    Integer LWidth = 150;
    Integer EWidth = 40;
    Integer EX = 250;
    Integer Count = 1024; // counts the widgets the list makes
    Integer Rows = 0;     // rows shown by the last drawing

    explicit TTreeListEdit(TBaseManager* iEditor);
    ~TTreeListEdit() override;

    // Deletes the previous tree with the widgets made for it, takes iRootNode and builds its
    // widgets; every branch starts closed.
    virtual void SetTree(TTreeNode* iRootNode);
    virtual void SetTreeNode(TTreeNode* Node);
    virtual void TreeNodeDraw2D(TGImage& GI, TTreeNode* Node);
    virtual bool NodeMouseMove(TTreeNode* Node, tvapi::IPressedKeysPtr Keys, int x, int y);
    virtual bool NodeMouseDown(TTreeNode* Node, tvapi::IPressedKeysPtr Keys, int x, int y);
    void Draw2D(TGImage& GI) override;
    bool MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y) override;
    bool MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y) override;

private:
    // The value widget of a leaf by its variable's kind; null for kinds without one.
    TWindowOGL* MakeEdit(TTreeNode& Node);
};
