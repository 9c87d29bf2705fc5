-- One request per call, for a supplier picked at random among PLIX_SUPPLIERS
-- numbered from PLIX_FIRST (every PLIX_STEP-th from PLIX_FIRST when given).
-- PLIX_CD: 03 change poll, 02 request list, 01 purge; "static" is nginx's
-- file, with the same query so both sides read alike. PLIX_CLOSE=1: a new
-- connection per request, as the desktop polls.
math.randomseed(7)
local code = os.getenv("PLIX_CD")
local first = tonumber(os.getenv("PLIX_FIRST"))
local count = tonumber(os.getenv("PLIX_SUPPLIERS"))
local step = tonumber(os.getenv("PLIX_STEP") or "1")
local headers = nil
if os.getenv("PLIX_CLOSE") == "1" then headers = {["Connection"] = "close"} end

request = function()
  local id = first + step * math.random(0, count - 1)
  local q = "/plix_chkl.php?CD=" .. code .. "&ID_LV=" .. id
  if code == "03" then q = q .. "&TPR=a&TQR=b" end
  if code == "static" then q = "/static.txt?ID_LV=" .. id end
  return wrk.format("GET", q, headers)
end
