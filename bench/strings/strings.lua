-- Strings benchmark in Lua: the same 20,000 turns of text work as strings.vl.
local function copyVar(text, start, count)
    if count < 1 then count = 1 end
    if start == -1 then
        local from = #text - count + 1
        if from < 1 then from = 1 end
        return text:sub(from)
    end
    if start == 0 then return "" end
    if start < 1 then start = 1 end
    return text:sub(start, start + count - 1)
end

local base = "   the quick brown fox jumps over the lazy dog, turn "
local total, long, r = 0, 0, ""
for i = 1, 20000 do
    local s = base .. i .. "  "
    local t = s:match("^ *(.-) *$")
    local u = t:upper()
    local l = u:lower()
    local p = l:find("fox", 1, true) or 0
    local a = copyVar(l, 1, p - 1)
    local b = copyVar(l, p + 3, 100)
    r = a .. "cat" .. b
    local n = #r
    total = total + n + #copyVar(r, -1, 3)
    if n > 54 then long = long + 1 end
end
print(total .. " " .. long .. " " .. r)
