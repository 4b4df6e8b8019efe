-- Subroutines benchmark in Lua: 300 variables in a table, then 20,000 turns calling add (which
-- calls deep on one turn in seven) and scale, as subs.vl does.
local v = {}
for k = 1, 300 do v[k] = "v" .. k .. "." end
local sum, deepCalls, scaled, d = 0, 0, 0, ""

local function deep(i)
    deepCalls = deepCalls + 1
    d = v[7] .. v[77] .. i
end

local function add(i)
    if i % 7 == 0 then deep(i) end
    local j = v[1] .. v[50] .. v[100] .. v[150] .. v[200] .. v[250] .. v[300]
    sum = sum + #j
end

local function scale(i)
    scaled = scaled + i * 3 % 1000
end

for i = 1, 20000 do
    add(i)
    scale(i)
end
print(sum .. " " .. deepCalls .. " " .. scaled)
