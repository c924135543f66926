#include "panel/gauge_validation.h"

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "panel/error.h"
#include "panel/format.h"
#include "panel/record_layout.h"

namespace vexmoor::panel {
namespace {

namespace L = layout;

const char* kind_name(std::uint32_t kind) {
    switch (kind) {
    case L::kStaticImage: return "static image";
    case L::kNeedle: return "needle";
    case L::kSlider: return "slider";
    case L::kIcon: return "icon";
    case L::kSprite: return "sprite";
    default: return "unknown kind";
    }
}

// The size of the record an element of this kind has, or 0 for a kind the
// host does not know.
std::uint32_t record_size(std::uint32_t kind) {
    switch (kind) {
    case L::kStaticImage: return L::static_image::kSize;
    case L::kNeedle: return L::needle::kSize;
    case L::kSlider: return L::slider::kSize;
    case L::kIcon: return L::icon::kSize;
    case L::kSprite: return L::sprite::kSize;
    default: return 0;
    }
}

struct Routine {
    std::uint32_t offset;
    const char* field;
};

const Routine kRoutines[] = {
    {L::gauge::kQuery, "query routine"},       {L::gauge::kInstall, "install routine"},
    {L::gauge::kInitialize, "initialize routine"}, {L::gauge::kUpdate, "update routine"},
    {L::gauge::kGenerate, "generate routine"}, {L::gauge::kDraw, "draw routine"},
    {L::gauge::kKill, "kill routine"},
};

class Validator {
public:
    explicit Validator(const ModuleRuntime& rt) : rt_(rt) {}

    void run() {
        context_ = "exports";
        const Address import_table = rt_.export_address("ImportTable");
        require_pointer(import_table, L::import_table::kSize, "ImportTable", "the 16-byte import table");
        const Address linkage = rt_.export_address("Linkage");
        require_pointer(linkage, L::linkage::kGauges, "Linkage", "the linkage record");

        context_ = "Linkage";
        allow_code(rt_.read_u32(linkage + L::linkage::kLoadHook), "load hook");
        allow_code(rt_.read_u32(linkage + L::linkage::kUnloadHook), "unload hook");
        const std::vector<Address> gauges =
            null_ended_list(linkage + L::linkage::kGauges, limits::kGauges, "gauge list", "gauge");
        for (std::size_t i = 0; i < gauges.size(); ++i) check_gauge(static_cast<std::uint32_t>(i), gauges[i]);
    }

private:
    [[noreturn]] void fail(const std::string& field, const std::string& expected, const std::string& found) const {
        std::string where = context_;
        if (!element_.empty()) where += ", " + element_;
        throw Error(rt_.image().file_name() + ": " + where + ": " + field + ": expected " + expected + ", found " +
                    found);
    }

    bool inside(Address at, std::uint64_t length) const {
        return at >= rt_.base() && within(at - rt_.base(), length, rt_.image_size());
    }

    std::string image_range() const {
        return hex(rt_.base()) + ".." + hex(rt_.base() + rt_.image_size() - 1);
    }

    // A pointer that must not be NULL and must have length bytes of the
    // image behind it.
    void require_pointer(Address at, std::uint64_t length, const std::string& field, const std::string& what) const {
        if (at == 0) fail(field, "a pointer to " + what, "NULL");
        if (!inside(at, length)) {
            std::string found = hex(at);
            if (inside(at, 1)) {
                found += ", " + std::to_string(rt_.base() + rt_.image_size() - at) + " bytes before the image ends";
            }
            fail(field, "a pointer to " + what + " inside the module image (" + image_range() + ")", found);
        }
    }

    // A routine or callback: NULL, or code inside the image.
    void allow_code(Address at, const std::string& field) const {
        if (at != 0 && !inside(at, 1)) {
            fail(field, "NULL or a pointer into the module image (" + image_range() + ")", hex(at));
        }
    }

    // A list of 32-bit pointers ended by NULL: the entries before the NULL.
    std::vector<Address> null_ended_list(Address list, std::uint32_t max_entries, const std::string& field,
                                         const std::string& entry_name) const {
        std::vector<Address> entries;
        for (std::uint32_t i = 0; i <= max_entries; ++i) {
            const Address at = list + 4 * i;
            if (!inside(at, 4)) {
                fail(field, "a NULL entry inside the module image",
                     "the list running past the end of the image after " + std::to_string(i) + " entries");
            }
            const Address entry = rt_.read_u32(at);
            if (entry == 0) return entries;
            if (i == max_entries) break;
            entries.push_back(entry);
        }
        fail(field, "a NULL entry within " + std::to_string(max_entries) + " " + entry_name + " entries",
             "none");
    }

    void check_name(Address header) {
        const Address name = rt_.read_u32(header + L::gauge::kName);
        require_pointer(name, 1, "name", "the gauge name");
        std::string text;
        for (std::uint32_t i = 0;; ++i) {
            if (!inside(name + i, 1)) {
                fail("name", "a NUL-terminated string inside the module image",
                     "no NUL before the end of the image, after \"" + text.substr(0, 32) + "\"");
            }
            char c;
            rt_.read(name + i, &c, 1);
            if (c == '\0') break;
            if (i == limits::kNameLength) {
                fail("name", "a NUL within " + std::to_string(limits::kNameLength) + " characters",
                     "none, the name begins \"" + text.substr(0, 32) + "\"");
            }
            text.push_back(c);
        }
        if (text.empty()) fail("name", "a gauge name of at least one character", "an empty string");
        context_ = gauge_ + " \"" + text + "\"";
    }

    void check_gauge(std::uint32_t index, Address header) {
        gauge_ = "gauge " + std::to_string(index);
        context_ = gauge_ + " (header at " + hex(header) + ")";
        element_.clear();
        require_pointer(header, L::gauge::kSize, "header", "a 120-byte gauge header");
        const std::uint32_t version = rt_.read_u32(header + L::gauge::kVersion);
        if (version != 700) fail("header version", "700", std::to_string(version));
        check_name(header);
        for (const Routine& r : kRoutines) allow_code(rt_.read_u32(header + r.offset), r.field);

        seen_.clear();
        on_path_.clear();
        const Address root = rt_.read_u32(header + L::gauge::kElements);
        require_pointer(root, 4, "elements", "the root element list");
        check_list(root, "elements", 1);
        element_.clear();

        const Address mouse = rt_.read_u32(header + L::gauge::kMouseAreas);
        if (mouse != 0) check_mouse_table(mouse);
    }

    // An element list and, depth first, every element below it.
    void check_list(Address list, const std::string& field, std::uint32_t depth) {
        if (depth > limits::kChainDepth) {
            fail(field, "an element chain at most " + std::to_string(limits::kChainDepth) + " lists deep",
                 "a deeper one");
        }
        const std::vector<Address> entries = null_ended_list(list, limits::kListEntries, field, "element");
        const std::string parent = element_;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            element_ = parent;
            const std::string entry_field = field + " entry " + std::to_string(i);
            const Address element = entries[i];
            if (on_path_.count(element) != 0) {
                fail(entry_field, "an element not above it in the chain",
                     "element " + std::to_string(seen_[element]) + " at " + hex(element) + " again (a cycle)");
            }
            if (seen_.count(element) != 0) {
                fail(entry_field, "an element listed once",
                     "element " + std::to_string(seen_[element]) + " at " + hex(element) + " again");
            }
            if (seen_.size() == limits::kElements) {
                fail(entry_field, "at most " + std::to_string(limits::kElements) + " elements in a gauge",
                     "more");
            }
            check_element(element, entry_field, depth);
        }
        element_ = parent;
    }

    void check_element(Address element, const std::string& field, std::uint32_t depth) {
        require_pointer(element, L::element::kSize, field, "an element record");
        const int order = static_cast<int>(seen_.size()) + 1;
        seen_[element] = order;
        const std::uint32_t kind = rt_.read_u32(element + L::element::kKind);
        element_ = "element " + std::to_string(order) + " (" + kind_name(kind) + " at " + hex(element) + ")";
        const std::uint32_t size = record_size(kind);
        if (size == 0) {
            fail("kind", "0 (static image), 1 (needle), 3 (slider), 4 (icon) or 6 (sprite)", std::to_string(kind));
        }
        if (!inside(element, size)) {
            fail("record", "the whole " + std::to_string(size) + "-byte " + kind_name(kind) +
                               " record inside the module image (" + image_range() + ")",
                 "it running past the end");
        }
        check_failures(rt_.read_u32(element + L::element::kFailures));
        if (kind == L::kNeedle) check_needle(element);
        if (kind == L::kIcon) check_icon(element);
        if (kind == L::kSprite) allow_code(rt_.read_u32(element + L::sprite::kYCallback), "y callback");

        const Address children = rt_.read_u32(element + L::element::kChildren);
        if (children != 0) {
            on_path_.insert(element);
            check_list(children, "children", depth + 1);
            on_path_.erase(element);
        }
    }

    void check_failures(Address list) {
        if (list == 0) return;
        for (std::uint32_t i = 0;; ++i) {
            const Address record = list + i * L::failure::kSize;
            if (!inside(record, L::failure::kSize)) {
                fail("failures", "a failure list ended by a record of key 0 inside the module image",
                     i == 0 ? hex(list) : "the list running past the end of the image after " + std::to_string(i) +
                                              " records");
            }
            if (rt_.read_i32(record + L::failure::kKey) == 0) return;
            if (i + 1 == limits::kFailureRecords) {
                fail("failures",
                     "a record of key 0 within " + std::to_string(limits::kFailureRecords) + " failure records",
                     "none");
            }
        }
    }

    void check_needle(Address element) {
        allow_code(rt_.read_u32(element + L::needle::kCallback), "callback");
        const std::int32_t max_step = rt_.read_i32(element + L::needle::kMaxStep);
        if (max_step < 0) fail("max_step_degrees", "0 (no limit) or a positive number of degrees",
                               std::to_string(max_step));
        const Address table = rt_.read_u32(element + L::needle::kTable);
        const std::uint32_t count = rt_.read_u32(element + L::needle::kTableCount);
        if (table == 0) {
            if (count != 0) fail("table_count", "0 with a NULL table", std::to_string(count));
            return;
        }
        if (count < 2) fail("table_count", "at least 2 entries with a table", std::to_string(count));
        require_pointer(table, std::uint64_t{count} * L::table_entry::kSize, "table",
                        std::to_string(count) + " table entries of 24 bytes");

        const std::int32_t px = rt_.read_i32(element + L::element::kPosition);
        const std::int32_t py = rt_.read_i32(element + L::element::kPosition + 4);
        double previous = 0;
        double direction = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            const Address entry = table + i * L::table_entry::kSize;
            const std::string field = "table entry " + std::to_string(i);
            const std::int32_t x = rt_.read_i32(entry + L::table_entry::kX);
            const std::int32_t y = rt_.read_i32(entry + L::table_entry::kY);
            if (x == px && y == py) {
                fail(field, "a point apart from the needle's position (" + std::to_string(px) + ", " +
                                std::to_string(py) + ")",
                     "that point itself");
            }
            const double value = rt_.read_f64(entry + L::table_entry::kValue);
            if (!std::isfinite(value)) fail(field + " value", "a finite number", decimal(value));
            if (i == 1) {
                if (value == previous) {
                    fail(field + " value", "a value other than entry 0's " + decimal(previous), decimal(value));
                }
                direction = value > previous ? 1 : -1;
            }
            if (i >= 1 && !((value - previous) * direction > 0)) {
                fail(field + " value",
                     std::string("a value ") + (direction > 0 ? "above" : "below") + " the previous entry's " +
                         decimal(previous) + " (values rise or fall strictly along the table)",
                     decimal(value));
            }
            previous = value;
        }
    }

    void check_icon(Address element) {
        allow_code(rt_.read_u32(element + L::icon::kCallback), "callback");
        const std::uint32_t count = rt_.read_u32(element + L::icon::kIconCount);
        if (count < 1) fail("icon_count", "at least 1 image", std::to_string(count));
    }

    void check_mouse_table(Address table) {
        for (std::uint32_t i = 0;; ++i) {
            const Address record = table + i * L::mouse::kSize;
            const std::string field = "mouse_areas record " + std::to_string(i);
            if (!inside(record, L::mouse::kSize)) {
                fail(field, "a 44-byte mouse record inside the module image (" + image_range() + ")",
                     i == 0 ? hex(record) : "the table running past the end of the image");
            }
            const std::uint32_t kind = rt_.read_u32(record + L::mouse::kKind);
            if (kind == L::kMouseEnd) return;
            if (kind != L::kMouseBeginGroup && kind != L::kMouseChildArea && kind != L::kMouseEndGroup) {
                fail(field + " kind", "0 (end), 1 (begin group), 2 (child area) or 3 (end group)",
                     std::to_string(kind));
            }
            if (i + 1 == limits::kMouseRecords) {
                fail("mouse_areas",
                     "an end record (kind 0) within " + std::to_string(limits::kMouseRecords) + " records", "none");
            }
        }
    }

    const ModuleRuntime& rt_;
    std::string gauge_;    // "gauge 2"
    std::string context_;  // the gauge with its name once that is checked
    std::string element_;
    std::map<Address, int> seen_;  // element → its place in the drawing order
    std::set<Address> on_path_;    // the elements above the one being checked
};

}  // namespace

void validate_module(const ModuleRuntime& runtime) { Validator(runtime).run(); }

}  // namespace vexmoor::panel
