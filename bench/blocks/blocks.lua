-- Block IF benchmark in Lua: the same 20,000 turns of an if / elseif / else as blocks.vl.
local a, b, c, d = 0, 0, 0, 0
for i = 1, 20000 do
    local k = i % 10
    if k == 0 then
        a = a + 1
        local s = "turn " .. i
        local n = #s
        local u = s:upper()
        if n > 9 then b = b + 1 end
        a = a + n
    elseif k < 5 then
        c = c + 1
    else
        d = d + 1
    end
end
print(a .. " " .. b .. " " .. c .. " " .. d)
