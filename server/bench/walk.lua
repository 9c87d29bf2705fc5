-- Suppliers in turn rather than at random: thread t of T asks for suppliers
-- PLIX_OFFSET + t, + t + T, + t + 2T... of PLIX_SUPPLIERS numbered from
-- PLIX_FIRST, so a run covers them one after another (wrapping round).
-- PLIX_CD as in spread.lua; PLIX_DELAY_MS paces each connection.
local code = os.getenv("PLIX_CD")
local first = tonumber(os.getenv("PLIX_FIRST"))
local count = tonumber(os.getenv("PLIX_SUPPLIERS"))
local offset = tonumber(os.getenv("PLIX_OFFSET") or "0")
local step = tonumber(os.getenv("PLIX_THREADS"))
local pause = tonumber(os.getenv("PLIX_DELAY_MS") or "0")
local threads = {}

function setup(thread)
  thread:set("tid", #threads)
  table.insert(threads, thread)
end

function init(args)
  sent = 0
end

request = function()
  local i = offset + sent * step + tid
  sent = sent + 1
  local q = "/plix_chkl.php?CD=" .. code .. "&ID_LV=" .. (first + i % count)
  if code == "03" then q = q .. "&TPR=a&TQR=b" end
  return wrk.format("GET", q)
end

function delay()
  return pause
end
