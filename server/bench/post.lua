-- One request posted per second through the customer API, on one kept-alive
-- connection, as a customer's page would.
wrk.method = "POST"
wrk.headers["Content-Type"] = "application/json"
wrk.body = '{"title":"Fresh bench request","details":"Posted while suppliers poll"}'

function delay()
  return 1000
end
