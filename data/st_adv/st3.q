# The Science of Sleep

According to the text, what does the sleeping brain do with the day's experiences?
- replays them
+ sorts them
- rehearses them
- relives them

Which word does the text use for what a cup of coffee does to tiredness?
+ postpone
- suppress
- disguise
- delay

Which feature of rapid eye movement sleep does the text NOT mention?
- eyes darting under closed lids
- the most vivid dreams
- major muscles briefly paralyzed
+ brain waves much like waking ones

Which feature of the deeper stages of sleep does the text NOT mention?
- slow, large brain waves
- steadier breathing
+ a slower heartbeat
- hormones for growth and repair

Besides emotional processing, what does the text link rapid eye movement sleep to?
+ creative problem solving
- storing new memories
- learning new movements
- strengthening the immune system

Which range of animals does the text say shows some form of regular rest?
- from fruit flies to elephants
- from jellyfish to whales
- from jellyfish to elephants
+ from fruit flies to whales

How many harms of long-term sleep shortage does the text list?
- 2
+ 3
- 4
- 5

Which point does the text make in its final paragraph?
- morning light resets the body clock
- each stage of sleep has its own jobs
+ teenagers' body clocks run later
- sleep has survived despite its risks
