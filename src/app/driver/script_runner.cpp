#include "app/driver/script_runner.h"

#include <fstream>
#include <sstream>

#include "app/driver/driver_error.h"
#include "app/driver/order_vars.h"
#include "core/main_loop.h"
#include "core/program.h"
#include "runtime/sjis.h"
#include "screens/handlers.h"
#include "ui/user_actions.h"

namespace scanfee::driver {
namespace {

using ui::Control;
using ui::Kind;

struct Command {
    std::string verb;
    std::string control;  // first word after the verb
    std::string rest;     // the rest of the line after exactly one space
    bool has_rest = false;
};

Command split(const std::string& text) {
    Command c;
    size_t space = text.find(' ');
    c.verb = text.substr(0, space);
    if (space == std::string::npos) return c;
    std::string tail = text.substr(space + 1);
    size_t second = tail.find(' ');
    c.control = tail.substr(0, second);
    if (second != std::string::npos) {
        c.rest = tail.substr(second + 1);
        c.has_rest = true;
    }
    return c;
}

int parse_int(const std::string& text, const char* what) {
    try {
        size_t used = 0;
        int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw DriverError(std::string("not a number for ") + what + ": \"" + text + "\"");
}

Control& find_control(const std::string& name) {
    Control* c = screen_model().find(name);
    if (!c) throw DriverError("unknown control " + name);
    return *c;
}

// Event commands act only as a user could.
Control& reachable(const std::string& name) {
    Control& c = find_control(name);
    if (!ui::user_can_reach(c))
        throw DriverError(name + " is hidden or disabled; a user could not reach it");
    return c;
}

void expect_kind(const Control& c, std::initializer_list<Kind> kinds, const char* verb) {
    for (Kind k : kinds)
        if (c.kind() == k) return;
    throw DriverError(std::string("cannot ") + verb + " " + c.name());
}

std::string printable(const std::string& sjis) {
    std::string text = rt::to_utf8(sjis);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

std::string state_line(const Control& c) {
    std::ostringstream line;
    line << "visible=" << int(c.visible()) << " enabled=" << int(c.enabled())
         << " checked=" << c.checked();
    if (c.kind() == Kind::List || c.kind() == Kind::Combo)
        line << " count=" << c.item_count() << " selected=" << c.selected();
    if (c.kind() == Kind::HScroll)
        line << " pos=" << c.pos() << " min=" << c.min() << " max=" << c.max();
    return line.str();
}

void print_var(const std::string& wanted, std::ostream& out) {
    std::string name = wanted;
    std::vector<int> indices;
    size_t open = wanted.find('(');
    if (open != std::string::npos) {
        if (wanted.back() != ')') throw DriverError("malformed variable " + wanted);
        name = wanted.substr(0, open);
        std::string inside = wanted.substr(open + 1, wanted.size() - open - 2);
        std::stringstream parts(inside);
        std::string part;
        while (std::getline(parts, part, ',')) indices.push_back(parse_int(part, "an index"));
    }
    auto value = order_var(name, indices);
    if (!value) throw DriverError("unknown variable " + wanted);
    out << *value << "\n";
}

void write_raw(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw DriverError("cannot write " + path);
}

}  // namespace

std::optional<ScriptLine> ScriptReader::next() {
    if (back_) {
        std::optional<ScriptLine> line = std::move(back_);
        back_.reset();
        return line;
    }
    std::string text;
    while (std::getline(in_, text)) {
        ++number_;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        size_t start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text[start] == '#') continue;
        return ScriptLine{number_, text};
    }
    return std::nullopt;
}

bool is_answer(const ScriptLine& line) { return split(line.text).verb == "answer"; }

void queue_answer(ScriptDialogs& dialogs, const ScriptLine& line) {
    Command c = split(line.text);
    if (c.control == "ok" && !c.has_rest) return dialogs.queue({QueuedAnswer::Ok, {}});
    if (c.control == "cancel" && !c.has_rest) return dialogs.queue({QueuedAnswer::Cancel, {}});
    if (c.control == "yes" && !c.has_rest) return dialogs.queue({QueuedAnswer::Yes, {}});
    if (c.control == "no" && !c.has_rest) return dialogs.queue({QueuedAnswer::No, {}});
    if (c.control == "file" && c.has_rest && !c.rest.empty())
        return dialogs.queue({QueuedAnswer::File, c.rest});
    if (c.control == "text") return dialogs.queue({QueuedAnswer::Text, rt::to_sjis(c.rest)});
    throw DriverError("malformed answer: " + line.text);
}

Outcome run_script(ScriptReader& script, ScriptDialogs& dialogs, std::ostream& out) {
    while (std::optional<ScriptLine> next = script.next()) {
        const ScriptLine& line = *next;
        out.flush();
        try {
            Command c = split(line.text);
            std::string event;
            if (c.verb == "answer") {
                queue_answer(dialogs, line);
                continue;
            } else if (c.verb == "click" && !c.has_rest) {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::Button, Kind::CheckBox, Kind::Radio}, "click");
                event = ui::user_click(control);
            } else if (c.verb == "type") {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::Edit, Kind::Combo}, "type into");
                if (control.read_only()) throw DriverError(control.name() + " is read-only");
                event = ui::user_type(control, rt::to_sjis(c.rest));
            } else if (c.verb == "select" && c.has_rest) {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::List, Kind::Combo}, "select in");
                event = ui::user_select(control, parse_int(c.rest, "a row"));
            } else if (c.verb == "scroll" && c.has_rest) {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::HScroll}, "scroll");
                event = ui::user_scroll(control, parse_int(c.rest, "a position"));
            } else if (c.verb == "undo" && !c.has_rest) {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::List}, "undo in");
                event = ui::user_undo(control);
            } else if (c.verb == "close" && !c.has_rest) {
                Control& control = reachable(c.control);
                expect_kind(control, {Kind::Form}, "close");
                event = screens::frame_close_event(static_cast<ui::Form&>(control));
            } else if (c.verb == "print" && !c.has_rest) {
                Control& control = find_control(c.control);
                out << printable(control.text()) << "\n";
                continue;
            } else if (c.verb == "dump" && c.has_rest) {
                write_raw(c.rest, find_control(c.control).text());
                continue;
            } else if (c.verb == "state" && !c.has_rest) {
                out << state_line(find_control(c.control)) << "\n";
                continue;
            } else if (c.verb == "items" && !c.has_rest) {
                for (const std::string& item : find_control(c.control).items())
                    out << printable(item) << "\n";
                continue;
            } else if (c.verb == "var" && !c.has_rest) {
                print_var(c.control, out);
                continue;
            } else {
                throw DriverError("unknown command");
            }
            out.flush();
            handle_event(event);
            if (end_requested()) {
                out << "end\n";
                return Outcome::Ended;
            }
        } catch (const DriverError& e) {
            throw DriverError("script line " + std::to_string(line.number) + ": " + e.what() +
                              " (" + line.text + ")");
        }
    }
    return Outcome::Finished;
}

}  // namespace scanfee::driver
