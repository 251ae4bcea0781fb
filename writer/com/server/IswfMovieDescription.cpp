#include "writer/com/automation/Identifiers.h"
#include "writer/com/automation/IswfMovie.h"
#include "writer/com/server/InterfaceDescription.h"

namespace quillot::com {

namespace {

using I = IswfMovie;

constexpr OperationDescription kOperations[] = {
    Describe<&I::WriteMovie>(1, "WriteMovie", "fname"),
    Describe<&I::SetSize>(2, "SetSize", "cx cy"),
    Describe<&I::SetFrameRate>(3, "SetFrameRate", "framerate"),
    Describe<&I::get_filename>(5, "filename", "", DISPATCH_PROPERTYGET),
    Describe<&I::put_filename>(5, "filename", "newVal", DISPATCH_PROPERTYPUT),
    Describe<&I::AddObject>(6, "AddObject", "pUnk"),
    Describe<&I::GotoFrame>(7, "GotoFrame", "index"),
    Describe<&I::SetFrameBkColor>(8, "SetFrameBkColor", "red green blue"),
    Describe<&I::RemoveObject>(9, "RemoveObject", "pUnk"),
    Describe<&I::AddAction>(10, "AddAction", "pUnk"),
    Describe<&I::MakeMovie>(11, "MakeMovie", ""),
    Describe<&I::SetTempDir>(12, "SetTempDir", "tempDir"),
    Describe<&I::get_Content>(13, "Content", "", DISPATCH_PROPERTYGET),
    Describe<&I::DeleteTempFile>(14, "DeleteTempFile", ""),
    Describe<&I::ReadFileContent>(15, "ReadFileContent", "fname"),
};

constexpr InterfaceDescription kDescription{IID_IswfMovie, "IswfMovie", "IswfMovie Interface",
                                            kOperations};

} // namespace

const InterfaceDescription& IswfMovieDescription() { return kDescription; }

} // namespace quillot::com
