-- Loop benchmark: count to 100000, building and measuring a text each time.
local i = 0
local last = 0
repeat
    i = i + 1
    local s = "item " .. i
    local n = #s
    if n < 10 then
        last = i
    end
until i == 100000
print(last .. " " .. i)
