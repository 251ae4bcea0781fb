"""Scripting the Quillot SWF writer from Python.

Objects are created by programmatic identifier, as any automation client
creates them, and their operations are called by name:

    import quillot
    movie = quillot.create("Quillot.swfMovie")
    box = quillot.create("Quillot.swfObject")
    movie.SetSize(7800, 6400)
    box.MakeRectangle(0, 0, 2000, 1000)
    box.SetSolidFill(255, 128, 0, 255)
    movie.AddObject(box)
    movie.WriteMovie("box.swf")

The library must be registered for the user first (`joyvane-cli register`).
Names match without regard to case. Real numbers are rounded by the library,
halves to the even neighbour; a value out of range (256 for a colour byte)
raises QuillotError before anything is written. Properties (`filename`,
`Content`, `ObjectType`) read and assign like attributes.

Only the standard library is used: the writer is reached through ctypes.
"""

import ctypes
import os
import uuid

__all__ = ["create", "QuillotError"]

_DISPATCH_METHOD = 1
_DISPATCH_PROPERTYGET = 2
_DISPATCH_PROPERTYPUT = 4
_DISPID_PROPERTYPUT = -3

_VT_EMPTY, _VT_I2, _VT_I4, _VT_R8, _VT_BSTR = 0, 2, 3, 5, 8
_VT_DISPATCH, _VT_BOOL, _VT_I8, _VT_UI1, _VT_ARRAY = 9, 11, 20, 17, 0x2000

# The results that name a bad argument.
_DISP_E_TYPEMISMATCH = -0x7FFDFFFB  # 0x80020005
_DISP_E_OVERFLOW = -0x7FFDFFF6      # 0x8002000A

_IID_ICLASSFACTORY = "{00000001-0000-0000-C000-000000000046}"
_IID_IDISPATCH = "{00020400-0000-0000-C000-000000000046}"

# A registration store is a few dozen lines; a larger file is not one.
_MAX_STORE_BYTES = 4 << 20


class QuillotError(Exception):
    """A call that failed, with its result code and, for a bad argument, the
    argument's position (counted from 0)."""

    def __init__(self, operation, hresult, argument=None):
        self.operation = operation
        self.hresult = hresult & 0xFFFFFFFF
        self.argument = argument
        where = "" if argument is None else " (argument %d)" % argument
        super().__init__("%s failed with 0x%08X%s" % (operation, self.hresult, where))


class _GUID(ctypes.Structure):
    _fields_ = [("bytes", ctypes.c_ubyte * 16)]

    @classmethod
    def parse(cls, text):
        return cls((ctypes.c_ubyte * 16)(*uuid.UUID(text).bytes_le))


class _Value(ctypes.Union):
    _fields_ = [("llVal", ctypes.c_int64), ("lVal", ctypes.c_int32), ("iVal", ctypes.c_int16),
                ("bVal", ctypes.c_uint8), ("dblVal", ctypes.c_double), ("pointer", ctypes.c_void_p)]


class _VARIANT(ctypes.Structure):
    _anonymous_ = ("value",)
    _fields_ = [("vt", ctypes.c_uint16), ("reserved", ctypes.c_uint16 * 3), ("value", _Value)]


class _DISPPARAMS(ctypes.Structure):
    _fields_ = [("rgvarg", ctypes.POINTER(_VARIANT)), ("rgdispidNamedArgs", ctypes.POINTER(ctypes.c_int32)),
                ("cArgs", ctypes.c_uint32), ("cNamedArgs", ctypes.c_uint32)]


class _SAFEARRAY(ctypes.Structure):
    _fields_ = [("cDims", ctypes.c_uint16), ("fFeatures", ctypes.c_uint16), ("cbElements", ctypes.c_uint32),
                ("cLocks", ctypes.c_uint32), ("pvData", ctypes.c_void_p), ("cElements", ctypes.c_uint32),
                ("lLbound", ctypes.c_int32)]


class _TYPEATTR(ctypes.Structure):
    _fields_ = [("guid", _GUID), ("cFuncs", ctypes.c_uint16), ("major", ctypes.c_uint16),
                ("minor", ctypes.c_uint16), ("name", ctypes.c_char_p), ("helpString", ctypes.c_char_p)]


class _FUNCDESC(ctypes.Structure):
    _fields_ = [("memid", ctypes.c_int32), ("invkind", ctypes.c_uint16), ("cParams", ctypes.c_uint16),
                ("vtResult", ctypes.c_uint16), ("paramTypes", ctypes.POINTER(ctypes.c_uint16)),
                ("paramNames", ctypes.POINTER(ctypes.c_char_p)), ("name", ctypes.c_char_p),
                ("helpString", ctypes.c_char_p)]


_HRESULT = ctypes.c_int32
_P = ctypes.c_void_p
# Prototypes of the interface functions used here, by slot in the table.
_RELEASE = (2, ctypes.CFUNCTYPE(ctypes.c_uint32, _P))
_CREATE_INSTANCE = (3, ctypes.CFUNCTYPE(_HRESULT, _P, _P, ctypes.POINTER(_GUID), ctypes.POINTER(_P)))
_GET_TYPE_INFO = (4, ctypes.CFUNCTYPE(_HRESULT, _P, ctypes.c_uint32, ctypes.POINTER(_P)))
_GET_TYPE_ATTR = (3, ctypes.CFUNCTYPE(_HRESULT, _P, ctypes.POINTER(_TYPEATTR)))
_GET_FUNC_DESC = (4, ctypes.CFUNCTYPE(_HRESULT, _P, ctypes.c_uint32, ctypes.POINTER(_FUNCDESC)))
_INVOKE = (6, ctypes.CFUNCTYPE(_HRESULT, _P, ctypes.c_int32, ctypes.c_uint16, ctypes.POINTER(_DISPPARAMS),
                               ctypes.POINTER(_VARIANT), ctypes.POINTER(ctypes.c_uint32)))


def _function(pointer, slot):
    index, prototype = slot
    table = ctypes.cast(pointer, ctypes.POINTER(ctypes.POINTER(_P)))[0]
    return prototype(table[index])


def _check(operation, hresult, argument=None):
    if hresult < 0:
        raise QuillotError(operation, hresult, argument)


def _store_path():
    config = os.environ.get("XDG_CONFIG_HOME") or os.path.join(os.path.expanduser("~"), ".config")
    return os.path.join(config, "Velmora", "Classes.ini")


def _read_store():
    """The registration store as {key: {name: value}}, names in lower case
    ("" for a key's default value)."""
    path = _store_path()
    if not os.path.exists(path):
        return {}
    if os.path.getsize(path) > _MAX_STORE_BYTES:
        raise QuillotError("reading %s: too large" % path, 0x80040154)
    keys, key = {}, None
    with open(path, encoding="utf-8", newline="\n") as store:
        for line in store.read().split("\n"):
            line = line.rstrip("\r")
            if line.startswith("[") and line.endswith("]"):
                key = keys.setdefault(line[1:-1].lower(), {})
            elif "=" in line and key is not None and not line.startswith(";"):
                name, value = line.split("=", 1)
                key["" if name == "@" else name.lower()] = value
    return keys


_libraries = {}


class _Library:
    """A loaded component library with the helpers that free what it hands out."""

    def __init__(self, path):
        self.dll = ctypes.CDLL(path, mode=os.RTLD_LOCAL)
        self.dll.DllGetClassObject.argtypes = [ctypes.POINTER(_GUID), ctypes.POINTER(_GUID), ctypes.POINTER(_P)]
        self.dll.DllGetClassObject.restype = _HRESULT
        self.dll.QuillotAllocString.argtypes = [ctypes.c_char_p, ctypes.c_uint32]
        self.dll.QuillotAllocString.restype = _P
        self.dll.QuillotStringLength.argtypes = [_P]
        self.dll.QuillotStringLength.restype = ctypes.c_uint32
        self.dll.QuillotFreeString.argtypes = [_P]
        self.dll.QuillotVariantClear.argtypes = [ctypes.POINTER(_VARIANT)]


def create(prog_id):
    """A new object of the class registered as `prog_id`, such as
    "Quillot.swfMovie", "Quillot.swfObject" or "Quillot.swfAction"."""
    store = _read_store()
    class_id = store.get(prog_id.lower() + "\\clsid", {}).get("")
    if class_id is None:
        raise QuillotError("create %s: not registered" % prog_id, 0x800401F3)
    path = store.get("clsid\\" + class_id.lower() + "\\inprocserver32", {}).get("")
    if not path:
        raise QuillotError("create %s: no library" % prog_id, 0x80040154)
    library = _libraries.get(path) or _libraries.setdefault(path, _Library(path))
    factory = _P()
    _check("DllGetClassObject", library.dll.DllGetClassObject(
        _GUID.parse(class_id), _GUID.parse(_IID_ICLASSFACTORY), ctypes.byref(factory)))
    try:
        instance = _P()
        _check("CreateInstance", _function(factory, _CREATE_INSTANCE)(
            factory, None, _GUID.parse(_IID_IDISPATCH), ctypes.byref(instance)))
    finally:
        _function(factory, _RELEASE)(factory)
    return _Object(instance, library)


# The operations of each interface by lower-case name: (DISPID, flags it
# answers). Read once from the type information per interface, so repeated
# calls do no name lookup at all.
_members_by_interface = {}


def _members(pointer):
    type_info = _P()
    _check("GetTypeInfo", _function(pointer, _GET_TYPE_INFO)(pointer, 0, ctypes.byref(type_info)))
    try:
        attributes = _TYPEATTR()
        _check("GetTypeAttr", _function(type_info, _GET_TYPE_ATTR)(type_info, ctypes.byref(attributes)))
        interface = bytes(attributes.guid.bytes)
        if interface not in _members_by_interface:
            members = {}
            for index in range(attributes.cFuncs):
                function = _FUNCDESC()
                _check("GetFuncDesc", _function(type_info, _GET_FUNC_DESC)(type_info, index, ctypes.byref(function)))
                name = function.name.decode().lower()
                dispid, flags = members.get(name, (function.memid, 0))
                members[name] = (dispid, flags | function.invkind)
            _members_by_interface[interface] = members
        return _members_by_interface[interface]
    finally:
        _function(type_info, _RELEASE)(type_info)


class _Object:
    """An object of the library; its operations are attributes."""

    def __init__(self, pointer, library):
        object.__setattr__(self, "_pointer", pointer)
        object.__setattr__(self, "_library", library)
        object.__setattr__(self, "_invoke", _function(pointer, _INVOKE))
        object.__setattr__(self, "_members", _members(pointer))

    def __del__(self):
        if getattr(self, "_pointer", None):
            _function(self._pointer, _RELEASE)(self._pointer)
            object.__setattr__(self, "_pointer", None)

    def _member(self, name):
        member = self._members.get(name.lower())
        if member is None:
            raise AttributeError(name)
        return member

    def __getattr__(self, name):
        if name.startswith("_"):
            raise AttributeError(name)
        dispid, flags = self._member(name)
        if flags & _DISPATCH_METHOD:
            return lambda *arguments: self._call(name, dispid, _DISPATCH_METHOD, arguments)
        return self._call(name, dispid, _DISPATCH_PROPERTYGET, ())

    def __setattr__(self, name, value):
        dispid, flags = self._member(name)
        if not flags & _DISPATCH_PROPERTYPUT:
            raise AttributeError("%s cannot be assigned" % name)
        self._call(name, dispid, _DISPATCH_PROPERTYPUT, (value,), named_value=True)

    def _call(self, name, dispid, flags, arguments, named_value=False):
        count = len(arguments)
        variants = (_VARIANT * max(count, 1))()
        strings = []
        try:
            # The callee takes the arguments last first.
            for slot, value in zip(range(count - 1, -1, -1), arguments):
                self._store(variants[slot], value, strings)
            named = ctypes.c_int32(_DISPID_PROPERTYPUT)
            params = _DISPPARAMS(variants, ctypes.pointer(named) if named_value else None,
                                 count, 1 if named_value else 0)
            result = _VARIANT()
            bad = ctypes.c_uint32(0)
            hresult = self._invoke(self._pointer, dispid, flags, ctypes.byref(params),
                                   ctypes.byref(result), ctypes.byref(bad))
            try:
                argument = count - 1 - bad.value if hresult in (_DISP_E_TYPEMISMATCH, _DISP_E_OVERFLOW) else None
                _check(name, hresult, argument)
                return self._load(result)
            finally:
                self._library.dll.QuillotVariantClear(ctypes.byref(result))
        finally:
            for string in strings:
                self._library.dll.QuillotFreeString(string)

    def _store(self, variant, value, strings):
        if value is None:
            variant.vt = _VT_EMPTY
        elif isinstance(value, bool):
            variant.vt, variant.iVal = _VT_BOOL, -1 if value else 0
        elif isinstance(value, int):
            variant.vt, variant.llVal = _VT_I8, value
        elif isinstance(value, float):
            variant.vt, variant.dblVal = _VT_R8, value
        elif isinstance(value, (str, bytes, os.PathLike)):
            data = os.fsencode(value) if isinstance(value, os.PathLike) else (
                value.encode("utf-8") if isinstance(value, str) else value)
            string = self._library.dll.QuillotAllocString(data, len(data))
            if not string:
                raise MemoryError()
            strings.append(string)
            variant.vt, variant.pointer = _VT_BSTR, string
        elif isinstance(value, _Object):
            variant.vt, variant.pointer = _VT_DISPATCH, value._pointer
        else:
            raise TypeError("cannot pass %r to the writer" % (value,))

    def _load(self, variant):
        if variant.vt in (_VT_I2, _VT_I4):
            return variant.iVal if variant.vt == _VT_I2 else variant.lVal
        if variant.vt == _VT_BSTR:
            length = self._library.dll.QuillotStringLength(variant.pointer)
            return ctypes.string_at(variant.pointer, length).decode("utf-8", "replace")
        if variant.vt == (_VT_ARRAY | _VT_UI1):
            array = ctypes.cast(variant.pointer, ctypes.POINTER(_SAFEARRAY)).contents
            return ctypes.string_at(array.pvData, array.cElements)
        return None
