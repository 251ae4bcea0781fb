// Late binding: names, type information, argument checks and results.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ServerLibrary.h"
#include "writer/com/automation/Identifiers.h"

using namespace quillot;
using namespace quillot::com;

namespace {

class DispatchTest : public ::testing::Test {
protected:
    DISPID IdOf(const DispatchObject& object, const char* name) {
        DISPID id = 0;
        const char* names[] = {name};
        object.Object()->GetIDsOfNames(names, 1, &id);
        return id;
    }
    std::filesystem::path Output(const char* name) const { return m_library.ConfigFolder() / name; }

    ServerLibrary m_library;
    DispatchObject m_movie = m_library.Create(CLSID_swfMovie);
    DispatchObject m_object = m_library.Create(CLSID_swfObject);
};

TEST_F(DispatchTest, NamesMatchWithoutRegardToCase) {
    struct Case {
        const DispatchObject* object;
        const char* name;
        DISPID id;
    } const cases[] = {
        {&m_movie, "SetSize", 2},          {&m_movie, "setsize", 2},
        {&m_movie, "READFILECONTENT", 15}, {&m_movie, "filename", 5},
        {&m_object, "objecttype", 1},      {&m_object, "AddNewPath", 40},
        {&m_object, "Delete", 20},         {&m_movie, "Translate", DISPID_UNKNOWN},
        {&m_object, "SetSize ", DISPID_UNKNOWN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IdOf(*c.object, c.name), c.id) << c.name;
    }
    const char* names[] = {"setsize", "CY", "width"};
    DISPID ids[3] = {};
    EXPECT_EQ(m_movie.Object()->GetIDsOfNames(names, 3, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[1], 1) << "argument names give their positions";
    EXPECT_EQ(ids[2], DISPID_UNKNOWN);
}

TEST_F(DispatchTest, TypeInformationDescribesEveryOperation) {
    struct Expected {
        GUID classId;
        const char* interfaceName;
        std::uint16_t operations;
    } const interfaces[] = {{CLSID_swfMovie, "IswfMovie", 15},
                            {CLSID_swfObject, "IswfObject", 42},
                            {CLSID_swfAction, "IswfAction", 5}};
    for (const Expected& expected : interfaces) {
        DispatchObject object = m_library.Create(expected.classId);
        std::uint32_t count = 0;
        ITypeInfo* info = nullptr;
        ASSERT_EQ(object.Object()->GetTypeInfoCount(&count), S_OK);
        EXPECT_EQ(count, 1u);
        EXPECT_EQ(object.Object()->GetTypeInfo(1, &info), DISP_E_BADINDEX);
        ASSERT_EQ(object.Object()->GetTypeInfo(0, &info), S_OK);
        TYPEATTR attributes{};
        info->GetTypeAttr(&attributes);
        EXPECT_STREQ(attributes.name, expected.interfaceName);
        EXPECT_EQ(std::string(attributes.helpString), std::string(expected.interfaceName) + " Interface");
        EXPECT_EQ(attributes.cFuncs, expected.operations);
        FUNCDESC function{};
        EXPECT_EQ(info->GetFuncDesc(attributes.cFuncs, &function), TYPE_E_ELEMENTNOTFOUND);
        info->Release();
    }

    ITypeInfo* info = nullptr;
    m_object.Object()->GetTypeInfo(0, &info);
    FUNCDESC getter{}, putter{}, button{};
    info->GetFuncDesc(0, &getter);
    info->GetFuncDesc(1, &putter);
    info->GetFuncDesc(33, &button);
    info->Release();
    EXPECT_EQ(getter.memid, 1);
    EXPECT_EQ(getter.invkind, DISPATCH_PROPERTYGET);
    EXPECT_EQ(getter.vtResult, VT_I2);
    EXPECT_STREQ(getter.helpString, "property ObjectType");
    EXPECT_EQ(putter.invkind, DISPATCH_PROPERTYPUT);
    EXPECT_STREQ(button.name, "MakeButtonSimple");
    ASSERT_EQ(button.cParams, 9);
    EXPECT_EQ(button.paramTypes[0], VT_UNKNOWN);
    EXPECT_EQ(button.paramTypes[8], VT_I2);
    EXPECT_STREQ(button.paramNames[8], "a2");
    EXPECT_STREQ(button.helpString, "method MakeButtonSimple");
}

// Each row: the value given for a byte argument, and whether it is taken.
struct ByteCase {
    double value;
    bool accepted;
};

void PrintTo(const ByteCase& byte, std::ostream* out) { *out << byte.value; }

class ByteArgumentTest : public DispatchTest, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(ByteArgumentTest, OutOfRangeFailsBeforeTheWriterIsReached) {
    std::uint32_t badArgument = 99;
    const HRESULT result =
        m_movie.Call("SetFrameBkColor", {0, 0, GetParam().value}, nullptr, &badArgument);
    m_movie.Call("WriteMovie", {Output("movie.swf").c_str()});
    const std::string movie = ReadBytes(Output("movie.swf"));
    if (GetParam().accepted) {
        EXPECT_EQ(result, S_OK);
        EXPECT_GT(movie.size(), 24u);
    } else {
        EXPECT_EQ(result, DISP_E_OVERFLOW);
        EXPECT_EQ(badArgument, 2u);
        EXPECT_EQ(movie.size(), 24u) << "no frame may have been made: header and End only";
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, ByteArgumentTest,
                         ::testing::Values(ByteCase{256, false}, ByteCase{-1, false},
                                           ByteCase{255.5, false}, ByteCase{1e300, false},
                                           ByteCase{255, true}, ByteCase{254.5, true},
                                           ByteCase{0, true}));

TEST_F(DispatchTest, BadCallsAreRefused) {
    EXPECT_EQ(m_movie.Call("SetSize", {1}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(m_movie.Call("SetSize", {1, 2, 3}), DISP_E_BADPARAMCOUNT);
    std::uint32_t badArgument = 99;
    EXPECT_EQ(m_movie.Call("SetSize", {1, "wide"}, nullptr, &badArgument), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(badArgument, 1u);
    EXPECT_EQ(m_movie.Call("NoSuchOperation"), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(m_movie.Object()->Invoke(99, DISPATCH_METHOD, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    AutomationValue content;
    EXPECT_EQ(m_movie.Call("Content", {}, &content), DISP_E_MEMBERNOTFOUND) << "a property, not a method";
    EXPECT_EQ(m_movie.Call("SetTempDir", {std::string_view("a\0b", 3)}), E_INVALIDARG);
}

TEST_F(DispatchTest, PropertiesAndResultsCrossAsValues) {
    AutomationValue value;
    ASSERT_EQ(m_movie.Get("FileName", value), S_OK);
    EXPECT_EQ(value.AsString(), "test.swf");
    EXPECT_EQ(m_movie.Put("filename", "other.swf"), S_OK);
    m_movie.Get("filename", value);
    EXPECT_EQ(value.AsString(), "test.swf") << "the name is only ever chosen by MakeMovie";

    m_object.Call("MakeRectangle", {0, 0, 10, 10});
    ASSERT_EQ(m_object.Get("ObjectType", value), S_OK);
    EXPECT_EQ(value.Type(), VT_I2);
    EXPECT_EQ(value.AsInt32(), 3310);

    m_movie.Call("WriteMovie", {Output("empty.swf").c_str()});
    ASSERT_EQ(m_movie.Call("ReadFileContent", {Output("empty.swf").c_str()}, &value), S_OK);
    std::string bytes = ReadBytes(Output("empty.swf"));
    bytes.push_back('\0');
    EXPECT_EQ(std::string(value.AsBytes().begin(), value.AsBytes().end()), bytes);
    m_movie.Call("ReadFileContent", {Output("missing.swf").c_str()}, &value);
    EXPECT_EQ(value.Type(), VT_EMPTY) << "no file is told apart from an empty one";
}

TEST_F(DispatchTest, UnwritableMovieStillReportsSuccess) {
    m_movie.Call("SetFrameBkColor", {1, 2, 3});
    EXPECT_EQ(m_movie.Call("WriteMovie", {(Output("no-such-folder") / "movie.swf").c_str()}), S_OK);
}

} // namespace
