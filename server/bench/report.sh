# The table and the goals of bench.sh (sourced by lib.sh).

# A row of the table; without an anchor (one call at a time) no ratio to nginx.
row() {
  local key="$1" name="$2" anchor="${3:-}"
  [ -s "$work/runs.$key" ] || return 0
  awk -v n="$name" -v r="$(median "$key" 1)" -v a="$([ -n "$anchor" ] && median "$anchor" 1)" \
    -v p50="$(median "$key" 2)" -v p99="$(median "$key" 3)" -v e="$(errors "$key")" \
    'BEGIN { x = a > 0 ? sprintf("%.2f", r / a) : "-";
             printf "| %s | %.0f | %.2f ms | %.2f ms | %s | %d |\n", n, r, p50 / 1000, p99 / 1000, x, e }'
}

# goal <text> <awk condition over r (req/s), p99 (ms), e (errors), ratio>
goal() {
  local text="$1" key="$2" anchor="$3" cond="$4"
  [ -s "$work/runs.$key" ] || return 0
  awk -v t="$text" -v r="$(median "$key" 1)" -v p99="$(median "$key" 3)" -v e="$(errors "$key")" \
    -v a="$([ -n "$anchor" ] && median "$anchor" 1)" \
    "BEGIN { p99 /= 1000; ratio = (a > 0 ? r / a : 0); ok = ($cond);
             x = a > 0 ? sprintf(\", %.2f x nginx\", ratio) : \"\";
             printf \"%s  %s (%.0f req/s, p99 %.2f ms%s, %d errors)\\n\", ok ? \"met   \" : \"MISSED\", t, r, p99, x, e }"
}

# How many suppliers the purge run reached, and whether some purged twice (cheap).
purges() {
  awk -v k="$1.${2:-purge}" -v n="$(sed -n "s/^$1 //p" "$work/sizes")" '$1 == k { c = $2 }
    END { if (c > n) printf "%d purges, each supplier %.1f times", c, c / n; else printf "%d suppliers once", c }' "$work/counts"
}

report() {
  local tag c=$CONNS m=$MANY
  echo "| Case | req/s | p50 | p99 | x nginx | errors |"
  echo "|---|---|---|---|---|---|"
  for tag in $(for s in $SIZES; do echo "$((s / 1000))k"; done); do
    row "$tag.poll" "$tag: change poll, $c connections" "$tag.nginx"
    row "$tag.poll64" "$tag: change poll, $m connections" "$tag.nginx64"
    row "$tag.pollnew" "$tag: change poll, $c connections, a new connection per poll" "$tag.nginxnew"
    row "$tag.pollpost" "$tag: change poll, $c connections, one request posted per second" "$tag.nginx"
    row "$tag.list64" "$tag: request list (257 records), $m connections" "$tag.nginx64"
    row "$tag.narrow1" "$tag: request list with a narrow word filter, one call at a time"
    row "$tag.narrow" "$tag: request list with a narrow word filter, $c connections" "$tag.nginx"
    row "$tag.purge" "$tag: purge ($tag requests, half old), one call every 10 ms, $(purges "$tag")"
    row "$tag.purgeflat" "$tag: purge, one call at a time without pause, $(purges "$tag" purgeflat)"
    row "$tag.nginx" "$tag: nginx, 100-byte file, $c connections" "$tag.nginx"
    row "$tag.nginx64" "$tag: nginx, 100-byte file, $m connections" "$tag.nginx64"
    row "$tag.nginxnew" "$tag: nginx, 100-byte file, $c connections, a new connection each" "$tag.nginxnew"
  done
  echo
  for tag in $(for s in $SIZES; do echo "$((s / 1000))k"; done); do
    [ -s "$work/posts.$tag" ] && sort -g "$work/posts.$tag" |
      awk -v t="$tag" '{ v[NR] = $1; n += $2; e += $3 } END { printf "%s: a posted request reached every supplier'"'"'s marks in %.1f ms (median over the rounds; %d posts, %d refused)\n", t, v[int((NR + 1) / 2)], n, e }'
    awk -v t="$tag" '$1 == t ".rss" { $1 = ""; print t ": plixsrv memory" $0 }' "$results"
  done
  echo
  echo "Goals of issue 15:"
  goal "10k: change poll, $c connections, >= 0.7 x nginx" 10k.poll 10k.nginx "ratio >= 0.7"
  goal "10k: change poll, $m connections, p99 < 10 ms, no errors" 10k.poll64 10k.nginx64 "p99 < 10 && e == 0"
  goal "10k: request list, $m connections, no time-outs or errors" 10k.list64 10k.nginx64 "e == 0"
  goal "10k: change poll with a post per second, >= 20k req/s, p99 < 5 ms" 10k.pollpost 10k.nginx "r >= 20000 && p99 < 5"
  goal "100k: change poll with a post per second, >= 10k req/s, p99 < 10 ms" 100k.pollpost 100k.nginx "r >= 10000 && p99 < 10"
  goal "100k: narrow-filter request list, p99 < 10 ms" 100k.narrow1 "" "p99 < 10"
  goal "100k: purge, p99 < 5 ms" 100k.purge "" "p99 < 5"
  awk '$1 ~ /rss$/ { for (i = 2; i <= NF; i++) if ($i == "VmHWM:") peak = $(i + 1);
        printf "%s  %s: peak resident memory < 64 MB (%d MB)\n", peak < 64 ? "met   " : "MISSED", $1, peak }' "$results"
}
