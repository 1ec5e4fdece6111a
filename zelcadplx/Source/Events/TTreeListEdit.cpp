// The dimension value editor and the tree list.

#include "TTreeListEdit.h"

#include <GL/gl.h>

#include "Rect2D.h"
#include "TRegistrator.h"
#include "cPropertyMenagerEvent.h"

namespace {

constexpr double ConnectorShift = 5.0; // connectors sit this far left of and below a row
constexpr double BoxHalf = 3.0;        // half the side of a branch's box

void Blue()
{
    glColor3ub(0, 0, 255);
}

} // namespace

// ---- dimension value ----------------------------------------------------------------------

TDimensionWnd3D::TDimensionWnd3D(TDimension3D& iVD, TBaseManager* iPM, const TMtr3D& iMtr, int Delay)
    : TValidateEdit(iPM, iVD.T, Delay), VD(iVD), Mtr(iMtr)
{
    const TIdVariable* registered = Registrator.Get(VD.VId);
    Tips = registered ? registered->Comment : TString(DC("* справочно"));
    TVariablePtr binding(TVariablePtr::pvReal, &VD.V);
    if (registered) {
        binding = TVariablePtr(registered->Type, registered->PData);
        binding.Delta = registered->Delta;
    }
    SetLink(binding);
}

void TDimensionWnd3D::Draw2D(TGImage& Image)
{
    if (VD.Type == TDimension3D::tdLinear || VD.Type == TDimension3D::tdRadial) TValidateEdit::Draw2D(Image);
}

void TDimensionWnd3D::Draw(TGImage& Image)
{
    if (VD.Type != TDimension3D::tdLinear && VD.Type != TDimension3D::tdRadial) return;
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    Blue();
    TPoint3D A;
    Mtr.Trans2(VD.P11, A);
    if (VD.Type == TDimension3D::tdRadial) {
        const TPoint3D B = A + VD.AX * VD.V;
        Image.giLine3D(A.x, A.y, A.z, B.x, B.y, B.z);
        VD.T = B + VD.AX * TextShift;
        return;
    }
    TPoint3D C;
    Mtr.Trans2(VD.P12, C);
    const TPoint3D B = A + VD.AY * ExtensionLength;
    const TPoint3D D = C + VD.AY * ExtensionLength;
    Image.giLine3D(A.x, A.y, A.z, B.x, B.y, B.z);
    Image.giLine3D(C.x, C.y, C.z, D.x, D.y, D.z);
    Image.giLine3D(B.x, B.y, B.z, D.x, D.y, D.z);
    VD.T = TPoint3D((B.x + D.x) / 2.0, (B.y + D.y) / 2.0, (B.z + D.z) / 2.0);
}

// ---- tree nodes ---------------------------------------------------------------------------

TTreeNode::TTreeNode(const char* iName, TTreeNode* iSubNode, TTreeNode* iNext)
    : Name(iName), SubNode(iSubNode), Next(iNext)
{
}

TTreeNode::TTreeNode(const char* iName, TVariablePtr* iV, TTreeNode* iNext) : Name(iName), V(iV), Next(iNext)
{
}

// The siblings go one after another, so a long chain does not nest the destructors.
TTreeNode::~TTreeNode()
{
    delete SubNode;
    delete V;
    TTreeNode* next = Next;
    while (next) {
        TTreeNode* after = next->Next;
        next->Next = nullptr;
        delete next;
        next = after;
    }
}

TTreeLabel::TTreeLabel(TBaseManager* iEditor, TWindowOGL* iOwner, TTreeNode* iNode)
    : TButton(iEditor, iOwner, iNode->Name), Node(iNode)
{
}

bool TTreeLabel::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    if (!Press(Keys, x, y)) return false;
    Node->Expanded = !Node->Expanded;
    Refresh();
    return true;
}

// ---- tree list ----------------------------------------------------------------------------

TTreeListEdit::TTreeListEdit(TBaseManager* iEditor) : TWindowOGL(iEditor) {}

TTreeListEdit::~TTreeListEdit()
{
    delete RootNode;
}

void TTreeListEdit::SetTree(TTreeNode* iRootNode)
{
    // The widgets of the old tree point at its nodes: they go with it.
    std::vector<TWindowOGL*> widgets(AChildWnd.begin(), AChildWnd.end());
    AChildWnd.Clear();
    for (TWindowOGL* w : widgets) {
        if (!w) continue;
        w->Owner = nullptr;
        delete w;
    }
    if (iRootNode != RootNode) delete RootNode;
    RootNode = iRootNode;
    cX = cY = 0;
    SetTreeNode(RootNode);
}

TWindowOGL* TTreeListEdit::MakeEdit(TTreeNode& Node)
{
    switch (Node.V->Type) {
    case TVariablePtr::pvReal:
    case TVariablePtr::pvInteger:
    case TVariablePtr::pvStr:
    case TVariablePtr::pvBoolean: {
        auto* edit = new TValidateEdit(Editor, this);
        edit->Origin = {EX, cY + dY};
        edit->Height = dY;
        edit->Width = EWidth;
        edit->SetLink(*Node.V);
        return edit;
    }
    case TVariablePtr::pvAdapter: {
        if (!Node.V->PAdapter) return nullptr;
        auto* combo = new TComboBox(Editor, this, *Node.V->PAdapter);
        combo->Set(TRect2D(EX, cY, EX + EWidth, cY + dY));
        return combo;
    }
    default:
        return nullptr;
    }
}

void TTreeListEdit::SetTreeNode(TTreeNode* Node)
{
    cX += dX;
    for (TTreeNode* n = Node; n; n = n->Next) {
        cY += dY;
        auto* label = new TTreeLabel(Editor, this, n);
        label->NoBackground();
        label->Origin = {cX, cY + dY};
        label->Height = dY;
        label->Width = LWidth;
        n->Label = label;
        ++Count;
        if (!n->V) {
            n->Expanded = false;
            SetTreeNode(n->SubNode);
            continue;
        }
        n->Edit = MakeEdit(*n);
        if (n->Edit) ++Count;
    }
    cX -= dX;
}

void TTreeListEdit::Draw2D(TGImage& Image)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(Origin.x, Origin.y, 0.0);
    cX = cY = 0;
    Rows = 0;
    glDisable(GL_DEPTH_TEST);
    TreeNodeDraw2D(Image, RootNode);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void TTreeListEdit::TreeNodeDraw2D(TGImage& Image, TTreeNode* Node)
{
    const Integer entryX = cX;
    const Integer entryY = cY;
    cX += dX;
    Integer lastRow = entryY;
    for (TTreeNode* n = Node; n; n = n->Next) {
        cY -= dY;
        lastRow = cY;
        ++Rows;
        if (n->Label) {
            n->Label->Origin = {cX, cY};
            n->Label->Draw2D(Image);
        }
        const double ox = cX - ConnectorShift, oy = cY - ConnectorShift;
        Blue();
        Image.giLine(ox - 2.0, oy, ox + dX, oy);
        if (n->SubNode) {
            Image.giRectAngle(ox - BoxHalf, oy - BoxHalf, ox + BoxHalf, oy + BoxHalf);
            if (!n->Expanded) {
                Image.giLine(ox - BoxHalf, oy, ox + BoxHalf, oy);
                Image.giLine(ox, oy - BoxHalf, ox, oy + BoxHalf);
            }
        }
        if (!n->V) {
            if (n->Expanded) TreeNodeDraw2D(Image, n->SubNode);
        } else if (n->Edit) {
            n->Edit->Origin.y = cY;
            n->Edit->Draw2D(Image);
        }
    }
    if (Node) {
        const double top = entryX == 0 ? entryY - dY - ConnectorShift : entryY - ConnectorShift;
        Blue();
        Image.giLine(cX - ConnectorShift, top, cX - ConnectorShift, lastRow - ConnectorShift);
    }
    cX -= dX;
}

bool TTreeListEdit::NodeMouseMove(TTreeNode* Node, tvapi::IPressedKeysPtr Keys, int x, int y)
{
    for (TTreeNode* n = Node; n; n = n->Next) {
        if (n->V) {
            if (n->Edit && n->Edit->MouseMove(Keys, x, y)) return true;
            continue;
        }
        if (n->Label && n->Label->MouseMove(Keys, x, y)) return true;
        if (n->Expanded && NodeMouseMove(n->SubNode, Keys, x, y)) return true;
    }
    return false;
}

bool TTreeListEdit::NodeMouseDown(TTreeNode* Node, tvapi::IPressedKeysPtr Keys, int x, int y)
{
    for (TTreeNode* n = Node; n; n = n->Next) {
        if (n->Label && n->Label->MouseDown(Keys, x, y)) return true;
        if (n->V) {
            if (n->Edit && n->Edit->MouseDown(Keys, x, y)) return true;
            continue;
        }
        if (n->Expanded && NodeMouseDown(n->SubNode, Keys, x, y)) return true;
    }
    return false;
}

bool TTreeListEdit::MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    InCoordinateSystem(x, y);
    return NodeMouseMove(RootNode, std::move(Keys), x, y);
}

bool TTreeListEdit::MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    InCoordinateSystem(x, y);
    return NodeMouseDown(RootNode, std::move(Keys), x, y);
}
