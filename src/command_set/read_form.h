// Reading a command's parameters by the steps of its form, for velint and velcomp alike: the
// grammar of each step is in core/script_forms.h; what becomes of what was read is the caller's.
//
// A form builder has target(name); value() for each value, giving a value builder; condition(),
// giving a condition builder; and list(keepsOperators), giving a list builder (see
// core/script_forms.h for those).
#pragma once

#include <string_view>

#include "command_set/command_table.h"
#include "core/script_forms.h"

namespace command_set {

template <typename Source, typename FormBuilder>
void readForm(Source& source, const Form& form, FormBuilder& builder) {
    namespace forms = interp::forms;
    for (const FormStep& step : form) {
        switch (step.kind) {
            case StepKind::target: builder.target(forms::readTargetName(source)); break;
            case StepKind::value: forms::readValue(source, builder.value(), interp::ValueForm::strict); break;
            case StepKind::lenientValue: forms::readValue(source, builder.value(), interp::ValueForm::lenient); break;
            case StepKind::condition: forms::readCondition(source, builder.condition()); break;
            case StepKind::lineEnd: forms::expectLineEnd(source); break;
            case StepKind::restOfLine: source.readUntil(forms::kLineEnd); break;
            case StepKind::separator: forms::expectInnerSeparator(source, step.separators); break;
            case StepKind::list: forms::readList(source, builder.list(false), step.separators); break;
            case StepKind::operatorList: forms::readList(source, builder.list(true), step.separators); break;
        }
    }
}

}  // namespace command_set
