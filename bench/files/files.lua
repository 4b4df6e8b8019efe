-- Text file benchmark in Lua: write 10,000 lines, read them back one by one and take each apart,
-- as files.vl does. Works in $FILEBENCH_DIR.
local dir = os.getenv("FILEBENCH_DIR")
local path = dir .. "/lines.txt"
local out = assert(io.open(path, "w"))
for i = 1, 10000 do
    out:write("line " .. i .. " value=" .. (i * 7 % 1000) .. " of the text file benchmark\n")
end
out:close()
local read, sum = 0, 0
for line in io.lines(path) do
    local number = line:match("=(%d+) ")
    sum = sum + tonumber(number)
    read = read + 1
end
print(read .. " " .. sum)
