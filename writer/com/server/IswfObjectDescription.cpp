#include "writer/com/automation/Identifiers.h"
#include "writer/com/automation/IswfObject.h"
#include "writer/com/server/InterfaceDescription.h"

namespace quillot::com {

namespace {

using I = IswfObject;

constexpr OperationDescription kOperations[] = {
    Describe<&I::get_ObjectType>(1, "ObjectType", "", DISPATCH_PROPERTYGET),
    Describe<&I::put_ObjectType>(1, "ObjectType", "newVal", DISPATCH_PROPERTYPUT),
    Describe<&I::MakeRectangle>(2, "MakeRectangle", "xmin ymin xmax ymax"),
    Describe<&I::MakeCircle>(3, "MakeCircle", "center_x center_y radius"),
    Describe<&I::MakePolygon>(4, "MakePolygon", "originX originY"),
    Describe<&I::MakeOval>(5, "MakeOval", "xmin ymin xmax ymax"),
    Describe<&I::SetLineWidth>(6, "SetLineWidth", "lineWidth"),
    Describe<&I::SetLineColorA>(7, "SetLineColorA", "red green blue alpha"),
    Describe<&I::SetSolidFill>(8, "SetSolidFill", "red green blue alpha"),
    Describe<&I::SetLinearFill>(9, "SetLinearFill", "r1 g1 b1 a1 r2 g2 b2 a2"),
    Describe<&I::SetLinearFillCenter>(10, "SetLinearFillCenter", "centerX centerY"),
    Describe<&I::SetRadialFill>(11, "SetRadialFill", "r1 g1 b1 a1 r2 g2 b2 a2"),
    Describe<&I::SetRadialFillCenter>(12, "SetRadialFillCenter", "centerX centerY"),
    Describe<&I::Translate>(13, "Translate", "x y"),
    Describe<&I::Rotate>(14, "Rotate", "degree"),
    Describe<&I::Scale>(15, "Scale", "scaleX scaleY"),
    Describe<&I::SetNoFill>(16, "SetNoFill", ""),
    Describe<&I::AddCurvedLine>(17, "AddCurvedLine", "controlDX controlDY anchorDX anchorDY"),
    Describe<&I::AddStraightLine>(18, "AddStraightLine", "dx dy"),
    Describe<&I::Delete>(20, "Delete", ""),
    Describe<&I::MakeEditText>(21, "MakeEditText", "xmin ymin xmax ymax Text"),
    Describe<&I::SetEditTextHeight>(22, "SetEditTextHeight", "height"),
    Describe<&I::SetEditTextEditable>(23, "SetEditTextEditable", "editable"),
    Describe<&I::SetEditTextColor>(24, "SetEditTextColor", "red green blue"),
    Describe<&I::MakePicture>(25, "MakePicture", "xmin ymin xmax ymax bitmap_x bitmap_y filename"),
    Describe<&I::SetDepth>(26, "SetDepth", "depth"),
    Describe<&I::MakeSound>(27, "MakeSound", "filename"),
    Describe<&I::MakeButton>(28, "MakeButton", "p1 p2 p3 p4"),
    Describe<&I::QueueEvent>(29, "QueueEvent", "Action iEvent"),
    Describe<&I::SetBitmapFillJpeg>(30, "SetBitmapFillJpeg", "bitmap_x bitmap_y filename"),
    Describe<&I::MakeFont>(31, "MakeFont", "name"),
    Describe<&I::MakeText>(32, "MakeText", "Text pUnkz"),
    Describe<&I::AddGlyph>(33, "AddGlyph", "font Text unicode"),
    Describe<&I::MakeButtonSimple>(34, "MakeButtonSimple", "p1 r1 g1 b1 a1 r2 g2 b2 a2"),
    Describe<&I::SetLineColor>(35, "SetLineColor", "red green blue alpha"),
    Describe<&I::AddGlyphEx>(36, "AddGlyphEx", "font Text unicode advance"),
    Describe<&I::MakeTextEx>(37, "MakeTextEx", "Text pUnk x y size"),
    Describe<&I::ScaleEx>(38, "ScaleEx", "scaleX scaleY"),
    Describe<&I::MakeTextSimple>(39, "MakeTextSimple", "fontname Text x y size"),
    Describe<&I::AddNewPath>(40, "AddNewPath", "dx dy"),
    Describe<&I::GetTextWidth>(41, "GetTextWidth", "font Text"),
    Describe<&I::FadeIn>(42, "FadeIn", "CharID depth nf"),
};

constexpr InterfaceDescription kDescription{IID_IswfObject, "IswfObject", "IswfObject Interface",
                                            kOperations};

} // namespace

const InterfaceDescription& IswfObjectDescription() { return kDescription; }

} // namespace quillot::com
