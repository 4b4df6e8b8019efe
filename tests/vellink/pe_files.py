"""Small Windows programs and icon files made byte by byte for the linker tests.

A program here is a PE file with headers and one resource section (no code: it is never run, only
parsed). Its resource tree holds what the test asks for: icon groups, icon images and any other
resources, under numbers or names. Icon files hold bitmap images of a chosen size and depth whose
pixels follow from a seed, so that images of different origin never look alike.
"""

import struct

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
LANGUAGE = 1033

FILE_ALIGNMENT = 0x200
SECTION_ALIGNMENT = 0x1000
RESOURCE_RVA = 0x1000


def align(value, alignment):
    return (value + alignment - 1) // alignment * alignment


def pattern(length, seed):
    """length bytes that depend on the seed."""
    out = bytearray()
    state = (seed * 2654435761 + 12345) & 0xFFFFFFFF
    while len(out) < length:
        state = (state * 1103515245 + 12345) & 0xFFFFFFFF
        out.append(state >> 16 & 0xFF)
    return bytes(out)


def bitmap_image(width, height, bits, seed):
    """An icon image as a bitmap: BITMAPINFOHEADER (height doubled for the mask), palette, colour
    pixels and the 1-bit mask, rows padded to 4 bytes."""
    palette = 4 * (1 << bits) if bits <= 8 else 0
    xor_row = align(width * bits, 32) // 8
    and_row = align(width, 32) // 8
    pixels = xor_row * height
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, bits, 0, pixels, 0, 0, 0, 0)
    return header + pattern(palette + pixels + and_row * height, seed)


def group_entry(width, height, bits, size, number):
    """GRPICONDIRENTRY: width, height, colours, reserved, planes, bit count, bytes, image number."""
    colours = (1 << bits) if bits < 8 else 0
    return struct.pack("<BBBBHHIH", width % 256, height % 256, colours, 0, 1, bits, size, number)


def icon_group(entries):
    """GRPICONDIR with its entries: (width, height, bits, size, number) each."""
    return struct.pack("<HHH", 0, 1, len(entries)) + b"".join(group_entry(*entry) for entry in entries)


def icon_file(images):
    """An .ico file of (width, height, bits, data) images."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    body = b""
    for width, height, bits, data in images:
        colours = (1 << bits) if bits < 8 else 0
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits, len(data), offset)
        body += data
        offset += len(data)
    return header + directory + body


def read_icon_file(data):
    """The images of an .ico file as (width, height, bits, bytes)."""
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    assert kind == 1
    images = []
    for i in range(count):
        width, height, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        images.append((width or 256, height or 256, bits, data[offset : offset + size]))
    return images


def resource_section(resources):
    """The bytes of a resource section at RESOURCE_RVA. resources maps (type, name) to data, where
    type and name are numbers or texts; every resource gets the language LANGUAGE.
    Layout: all directories, then the name texts, then the data entries, then the data."""
    types = {}
    for (kind, name), data in resources.items():
        types.setdefault(kind, {})[name] = data

    def ordered(keys):
        # Named entries come first, sorted; then numbered ones in ascending order.
        return sorted([k for k in keys if isinstance(k, str)]) + sorted(k for k in keys if isinstance(k, int))

    def directory_size(count):
        return 16 + 8 * count

    # Offsets of every directory.
    offset = directory_size(len(types))
    name_dirs, language_dirs = {}, {}
    for kind in ordered(types):
        name_dirs[kind] = offset
        offset += directory_size(len(types[kind]))
    for kind in ordered(types):
        for name in ordered(types[kind]):
            language_dirs[(kind, name)] = offset
            offset += directory_size(1)
    texts = {}
    for text in sorted({k for k in types if isinstance(k, str)} | {n for t in types.values() for n in t if isinstance(n, str)}):
        texts[text] = offset
        offset += 2 + 2 * len(text)
    offset = align(offset, 4)
    data_entries = {}
    for kind in ordered(types):
        for name in ordered(types[kind]):
            data_entries[(kind, name)] = offset
            offset += 16
    data_at = {}
    for kind in ordered(types):
        for name in ordered(types[kind]):
            offset = align(offset, 8)
            data_at[(kind, name)] = offset
            offset += len(types[kind][name])

    section = bytearray(offset)

    def entry_name(key):
        return 0x80000000 | texts[key] if isinstance(key, str) else key

    def put_directory(at, keys, targets):
        named = sum(isinstance(k, str) for k in keys)
        struct.pack_into("<IIHHHH", section, at, 0, 0, 0, 0, named, len(keys) - named)
        for i, (key, target) in enumerate(zip(keys, targets)):
            struct.pack_into("<II", section, at + 16 + 8 * i, entry_name(key), target)

    kinds = ordered(types)
    put_directory(0, kinds, [0x80000000 | name_dirs[k] for k in kinds])
    for kind in kinds:
        names = ordered(types[kind])
        put_directory(name_dirs[kind], names, [0x80000000 | language_dirs[(kind, n)] for n in names])
        for name in names:
            put_directory(language_dirs[(kind, name)], [LANGUAGE], [data_entries[(kind, name)]])
            data = types[kind][name]
            struct.pack_into("<IIII", section, data_entries[(kind, name)], RESOURCE_RVA + data_at[(kind, name)], len(data), 0, 0)
            section[data_at[(kind, name)] : data_at[(kind, name)] + len(data)] = data
    for text, at in texts.items():
        struct.pack_into("<H", section, at, len(text))
        section[at + 2 : at + 2 + 2 * len(text)] = text.encode("utf-16-le")
    return bytes(section)


def windows_program(resources, wide=False, overlay=b""):
    """A PE file (PE32, or PE32+ when wide) whose only section holds the resources; overlay bytes
    follow the image, as a trailer does."""
    rsrc = resource_section(resources)
    raw_size = align(len(rsrc), FILE_ALIGNMENT)
    optional_size = 240 if wide else 224
    headers_size = FILE_ALIGNMENT

    dos = bytearray(64)
    dos[0:2] = b"MZ"
    struct.pack_into("<I", dos, 0x3C, 64)
    coff = struct.pack("<HHIIIHH", 0x8664 if wide else 0x14C, 1, 0, 0, 0, optional_size, 0x0102)

    optional = bytearray(optional_size)
    struct.pack_into("<H", optional, 0, 0x20B if wide else 0x10B)
    if wide:
        struct.pack_into("<Q", optional, 24, 0x140000000)
    else:
        struct.pack_into("<I", optional, 28, 0x400000)
    struct.pack_into("<II", optional, 32, SECTION_ALIGNMENT, FILE_ALIGNMENT)
    struct.pack_into("<H", optional, 40, 4)  # operating system version
    struct.pack_into("<H", optional, 48, 4)  # subsystem version
    struct.pack_into("<II", optional, 56, RESOURCE_RVA + align(len(rsrc), SECTION_ALIGNMENT), headers_size)
    struct.pack_into("<H", optional, 68, 2)  # GUI subsystem
    directories = 112 if wide else 96
    struct.pack_into("<I", optional, directories - 4, 16)
    struct.pack_into("<II", optional, directories + 2 * 8, RESOURCE_RVA, len(rsrc))

    section_header = struct.pack("<8sIIIIIIHHI", b".rsrc", len(rsrc), RESOURCE_RVA, raw_size, headers_size, 0, 0, 0, 0, 0x40000040)

    headers = bytes(dos) + b"PE\0\0" + coff + bytes(optional) + section_header
    assert len(headers) <= headers_size
    return headers.ljust(headers_size, b"\0") + rsrc.ljust(raw_size, b"\0") + overlay


def runtime_like_program(images, group_name=1000, first_number=1, extra=None, wide=False, overlay=b""):
    """A program whose icon group group_name lists the images (width, height, bits, data), stored
    as RT_ICON resources numbered from first_number. extra adds other resources."""
    resources = dict(extra or {})
    entries = []
    for i, (width, height, bits, data) in enumerate(images):
        number = first_number + i
        resources[(RT_ICON, number)] = data
        entries.append((width, height, bits, len(data), number))
    resources[(RT_GROUP_ICON, group_name)] = icon_group(entries)
    return windows_program(resources, wide=wide, overlay=overlay)


def velmish_like_images(seed=1):
    """The runtime's own icon: a 16x16 and a 32x32 image of 32 bits per pixel."""
    return [(16, 16, 32, bitmap_image(16, 16, 32, seed)), (32, 32, 32, bitmap_image(32, 32, 32, seed + 1))]
